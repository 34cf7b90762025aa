// The window-level helpers: MsgHook, the loaded-windows collection, the one-copy lock, the
// handler guard with its error box, and the procedures every window and dialog runs in.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "clock/single_instance_win.h"
#include "components/errors.h"
#include "components/form_controls/msg_hook.h"
#include "components/win32/dialog_template.h"
#include "components/win32/loaded_windows.h"
#include "components/win32/win_error.h"
#include "components/win32/window_procedure.h"
#include "tests/support/test_handles_win.h"

namespace mirel {
namespace {

constexpr UINT kAnswerMessage = WM_APP + 1;  // the test window answers it with 42 + wParam
std::vector<HWND> destroyed;                 // in the order the test windows were destroyed

LRESULT CALLBACK TestProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kAnswerMessage:
      return 42 + static_cast<LRESULT>(wParam);
    case WM_DESTROY:
      destroyed.push_back(window);
      return 0;
    case WM_NCDESTROY:
      win32::LoadedWindows::Remove(window);
      break;
    default:
      break;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

win32::UniqueHwnd MakeWindow() {
  static const ATOM kClass = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = TestProcedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"MirelTestWindow";
    return ::RegisterClassW(&windowClass);
  }();
  EXPECT_NE(kClass, 0);
  return win32::UniqueHwnd(::CreateWindowExW(0, L"MirelTestWindow", L"test", WS_OVERLAPPEDWINDOW, 0,
                                             0, 100, 100, nullptr, nullptr,
                                             ::GetModuleHandleW(nullptr), nullptr));
}

TEST(MsgHook, ReportsEveryMessageAndChangesNothing) {
  win32::UniqueHwnd window = MakeWindow();
  ASSERT_TRUE(window);
  std::vector<HookMessage> seen;
  MsgHook hook;
  hook.Attach(window.Get(), [&](const HookMessage& m) { seen.push_back(m); });
  EXPECT_EQ(::SendMessageW(window.Get(), kAnswerMessage, 7, -3), 49);  // the window still answers
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].message, kAnswerMessage);
  EXPECT_EQ(seen[0].wParam, 7u);
  EXPECT_EQ(seen[0].lParam, -3);
  EXPECT_EQ(seen[0].window, reinterpret_cast<std::intptr_t>(window.Get()));

  // A system command is reported too, and default processing goes on (SC_MINIMIZE minimises).
  seen.clear();
  ::SendMessageW(window.Get(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen[0].message, static_cast<std::uint32_t>(WM_SYSCOMMAND));
  EXPECT_EQ(seen[0].wParam, static_cast<std::uintptr_t>(SC_MINIMIZE));
  EXPECT_TRUE(::IsIconic(window.Get()));

  hook.Detach();
  seen.clear();
  EXPECT_EQ(::SendMessageW(window.Get(), kAnswerMessage, 1, 0), 43);
  EXPECT_TRUE(seen.empty());
}

TEST(MsgHook, LetsGoWhenTheWindowIsDestroyed) {
  win32::UniqueHwnd window = MakeWindow();
  MsgHook hook;
  hook.Attach(window.Get(), [](const HookMessage&) {});
  EXPECT_TRUE(hook.Attached());
  window.Reset();
  EXPECT_FALSE(hook.Attached());
}

TEST(LoadedWindows, UnloadsTheOthersInLoadOrder) {
  destroyed.clear();
  win32::UniqueHwnd clock = MakeWindow();
  win32::UniqueHwnd first = MakeWindow();
  win32::UniqueHwnd second = MakeWindow();
  for (HWND w : {clock.Get(), first.Get(), second.Get(), first.Get()}) {
    win32::LoadedWindows::Add(w);  // a second Add is ignored
  }
  EXPECT_EQ(win32::LoadedWindows::Windows(),
            (std::vector<HWND>{clock.Get(), first.Get(), second.Get()}));

  win32::LoadedWindows::UnloadAllExcept(clock.Get());
  EXPECT_EQ(destroyed, (std::vector<HWND>{first.Get(), second.Get()}));
  EXPECT_FALSE(::IsWindow(first.Get()));
  EXPECT_TRUE(::IsWindow(clock.Get()));
  EXPECT_EQ(win32::LoadedWindows::Windows(), (std::vector<HWND>{clock.Get()}));
  first.Release();
  second.Release();
  clock.Reset();
  EXPECT_TRUE(win32::LoadedWindows::Windows().empty());
}

TEST(SingleInstanceLock, OneCopyPerExecutableName) {
  auto first = std::make_unique<SingleInstanceLock>("MirelLockTest");
  EXPECT_FALSE(first->PreviousInstance());
  EXPECT_TRUE(SingleInstanceLock("MirelLockTest").PreviousInstance());
  EXPECT_TRUE(SingleInstanceLock("MIRELLOCKTEST").PreviousInstance());  // file names ignore case
  EXPECT_FALSE(SingleInstanceLock("MirelLockTest2").PreviousInstance());
  first.reset();  // the first copy ended
  EXPECT_FALSE(SingleInstanceLock("MirelLockTest").PreviousInstance());
}

std::vector<std::string> reports;

TEST(RunHandler, ReportsAFailureAndLetsTheCallerGoOn) {
  reports.clear();
  const auto previous =
      win32::SetFailureReporter([](HWND, const std::string& text) { reports.push_back(text); });
  EXPECT_TRUE(win32::RunHandler(nullptr, [] {}));
  // The box names a run-time error's number, which tells the kind of failure whatever the text.
  EXPECT_FALSE(win32::RunHandler(nullptr, [] { throw OverflowError("overflow"); }));
  EXPECT_FALSE(win32::RunHandler(nullptr, [] { throw std::runtime_error("x"); }));
  EXPECT_FALSE(win32::RunHandler(nullptr, [] { throw 42; }));
  EXPECT_EQ(reports,
            (std::vector<std::string>{"実行時エラー '6':\n\noverflow",
                                      "エラーが発生しました。\n\nx", "エラーが発生しました。"}));
  // A failure while a report is open (a timer tick under the box) adds no second box.
  reports.clear();
  win32::SetFailureReporter([](HWND, const std::string& text) {
    reports.push_back(text);
    win32::RunHandler(nullptr, [] { throw OverflowError("again"); });
  });
  win32::RunHandler(nullptr, [] { throw OverflowError("first"); });
  EXPECT_EQ(reports.size(), 1u);
  win32::SetFailureReporter(previous);
}

// What the next answer to kAnswerMessage throws, whichever callback gives it. The last two are
// the C++ library's own faults, thrown by the program's helpers (runtime_throws_win.cpp).
enum class Fault { kNone, kRuntimeError, kBadAlloc, kNonStandard, kPastTheEnd, kTooLarge };
Fault nextFault = Fault::kNone;
std::size_t pastTheEnd = 3;  // of "ab"; not a constant, so the check is left to run time

void FailAsAsked() {
  switch (std::exchange(nextFault, Fault::kNone)) {
    case Fault::kNone:
      return;
    case Fault::kRuntimeError:
      throw std::runtime_error("x");
    case Fault::kBadAlloc:
      throw std::bad_alloc();
    case Fault::kNonStandard:
      throw 42;
    case Fault::kPastTheEnd:
      static_cast<void>(std::string("ab").substr(pastTheEnd));
      return;
    case Fault::kTooLarge: {
      std::vector<char> bytes;
      bytes.reserve(bytes.max_size() + 1);
      return;
    }
  }
}

struct Answerer {
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kAnswerMessage) {
      FailAsAsked();
      return 42 + static_cast<LRESULT>(wParam);
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  INT_PTR OnDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == kAnswerMessage) {
      FailAsAsked();
      ::SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 42 + static_cast<LONG_PTR>(wParam));
      return TRUE;
    }
    return FALSE;
  }
};

// Each kind of function Windows calls back reports whatever its handler throws exactly once,
// and the next message is handled as if nothing had happened.
TEST(Callbacks, ReportEveryFailureOnceAndGoOn) {
  Answerer answerer;
  const win32::WindowClass windowClass{L"MirelAnswerer",
                                       &win32::WindowProcedure<Answerer, &Answerer::OnMessage>};
  win32::RegisterWindowClass(windowClass);
  EXPECT_NO_THROW(win32::RegisterWindowClass(windowClass));  // a window class loaded again
  win32::UniqueHwnd window(::CreateWindowExW(0, L"MirelAnswerer", L"", WS_OVERLAPPEDWINDOW, 0, 0,
                                             100, 100, nullptr, nullptr, nullptr, &answerer));
  ASSERT_TRUE(window);

  const win32::DialogTemplate dialogTemplate(WS_POPUP, L"", {0, 0, 50, 20}, win32::DialogUiFont());
  win32::UniqueHwnd dialog(
      ::CreateDialogIndirectParamW(nullptr, dialogTemplate.Get(), nullptr,
                                   &win32::DialogProcedure<Answerer, &Answerer::OnDialogMessage>,
                                   reinterpret_cast<LPARAM>(&answerer)));
  ASSERT_TRUE(dialog);

  win32::UniqueHwnd hooked = MakeWindow();
  MsgHook hook;
  hook.Attach(hooked.Get(), [](const HookMessage& m) {
    if (m.message == kAnswerMessage) {
      FailAsAsked();
    }
  });

  const auto previous =
      win32::SetFailureReporter([](HWND, const std::string& text) { reports.push_back(text); });
  const struct {
    const char* callback;
    HWND window;
  } callbacks[] = {{"window", window.Get()}, {"dialog", dialog.Get()}, {"subclass", hooked.Get()}};
  const struct {
    Fault fault;
    const char* report;
  } faults[] = {
      {Fault::kRuntimeError, "エラーが発生しました。\n\nx"},
      {Fault::kBadAlloc, "実行時エラー '7':\n\nメモリが不足しています。"},
      {Fault::kNonStandard, "エラーが発生しました。"},
      {Fault::kPastTheEnd,
       "エラーが発生しました。\n\n"
       "basic_string::substr: __pos (which is 3) > this->size() (which is 2)"},
      {Fault::kTooLarge, "実行時エラー '7':\n\nメモリが不足しています。"},
  };
  for (const auto& callback : callbacks) {
    for (const auto& fault : faults) {
      SCOPED_TRACE(std::string(callback.callback) + " " + fault.report);
      reports.clear();
      nextFault = fault.fault;
      ::SendMessageW(callback.window, kAnswerMessage, 1, 0);
      EXPECT_EQ(reports, std::vector<std::string>{fault.report});
      reports.clear();
      EXPECT_EQ(::SendMessageW(callback.window, kAnswerMessage, 2, 0), 44);
      EXPECT_TRUE(reports.empty());
    }
  }
  win32::SetFailureReporter(previous);

  // A window moved to a monitor of another DPI takes the rectangle the system suggests.
  RECT suggested{10, 20, 210, 170};
  ::SendMessageW(window.Get(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
  RECT frame{};
  ::GetWindowRect(window.Get(), &frame);
  EXPECT_TRUE(::EqualRect(&frame, &suggested));
}

}  // namespace
}  // namespace mirel
