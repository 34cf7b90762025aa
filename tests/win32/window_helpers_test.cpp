// The window-level helpers: MsgHook, the loaded-windows collection, the one-copy lock, and the
// handler guard with its error box.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "clock/single_instance_win.h"
#include "components/accessory/msg_hook.h"
#include "components/errors.h"
#include "components/win32/loaded_windows.h"
#include "components/win32/unique_handle.h"
#include "components/win32/win_error.h"

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
  // The box names the run-time error's number, as the platform's own box did.
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

}  // namespace
}  // namespace mirel
