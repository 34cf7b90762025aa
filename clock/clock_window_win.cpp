#include "clock/clock_window_win.h"

#include "clock/tick_schedule.h"
#include "components/format/user_locale.h"
#include "components/win32/dpi.h"
#include "components/win32/text_conversion.h"
#include "components/win32/unique_handle.h"
#include "components/win32/win_error.h"
#include "components/win32/window_procedure.h"
#include "components/win32/work_area_fit_win.h"
#include "resources/resource_ids.h"

namespace mirel {
namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;

// The design client rectangle in twips (1/1440 inch; 15 per pixel at 96 dpi).
constexpr int kClientLeftTwips = 6825;
constexpr int kClientTopTwips = 6270;
constexpr int kClientWidthTwips = 1605;
constexpr int kClientHeightTwips = 750;

// Milliseconds of the wall clock. Only the position within the half-second is used, which is the
// same for UTC and local time (zones differ by whole minutes).
std::int64_t WallClockMilliseconds() {
  FILETIME now;
  ::GetSystemTimeAsFileTime(&now);
  const std::uint64_t ticks = (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) |
                              now.dwLowDateTime;  // 100 ns since 1601
  return static_cast<std::int64_t>(ticks / 10'000);
}

// The window rectangle around the design client rectangle at `dpi`.
RECT DesignFrame(UINT dpi) {
  RECT rect{win32::TwipsToPixels(kClientLeftTwips, dpi), win32::TwipsToPixels(kClientTopTwips, dpi),
            0, 0};
  rect.right = rect.left + win32::TwipsToPixels(kClientWidthTwips, dpi);
  rect.bottom = rect.top + win32::TwipsToPixels(kClientHeightTwips, dpi);
  win32::AdjustWindowRectForDpi(rect, kStyle, kExStyle, dpi);
  return rect;
}

}  // namespace

ClockWindow::ClockWindow(HINSTANCE instance, SettingsStore& settings, Application app)
    : instance_(instance), form_({*this, *this, settings, *this, sysMenu_, std::move(app)}) {}

ClockWindow::~ClockWindow() {
  if (window_ != nullptr && ::IsWindow(window_)) {
    ::DestroyWindow(window_);
  }
}

void ClockWindow::Load() {
  win32::RegisterWindowClass({kClockWindowClass,
                              &win32::WindowProcedure<ClockWindow, &ClockWindow::HandleMessage>, 0,
                              reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), IDI_MIREL});
  const std::wstring caption = win32::Utf8ToWide(kDesignCaption);
  if (::CreateWindowExW(kExStyle, kClockWindowClass, caption.c_str(), kStyle, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance_,
                        this) == nullptr) {
    win32::ThrowWin32Error("CreateWindowExW");
  }
  PlaceAtDesignPosition();
  msgMirel_.Attach(window_, [this](const HookMessage& m) {
    form_.msgMirel_Message(m.message, m.wParam, m.lParam, m.window);
  });
  win32::RunHandler(window_, [this] { form_.Form_Load(); });
  if (window_ != nullptr) {
    ::ShowWindow(window_, SW_SHOWMINIMIZED);
  }
}

void ClockWindow::PlaceAtDesignPosition() {
  // Twice: the first placement may put the window on a monitor of another DPI than the one the
  // window was created on.
  for (int round = 0; round < 2; ++round) {
    const UINT dpi = win32::WindowDpi(window_);
    // Also where a restore brings it back: the minimised window's normal place is this one.
    const RECT rect = win32::FitIntoWorkArea(DesignFrame(dpi), win32::Oversize::kKeepSize);
    ::SetWindowPos(window_, nullptr, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (win32::WindowDpi(window_) == dpi) {
      break;
    }
  }
}

LRESULT ClockWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      window_ = window;
      sysMenu_.SetWindow(window);
      break;
    case WM_CREATE:
      registration_.emplace(window);
      return 0;
    case WM_TIMER:
      if (wParam == kTimerId) {
        Tick();
        return 0;
      }
      break;
    case WM_TIMECHANGE:
      Tick();  // at once: the clock must not show the old time for up to half a second
      return 0;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) {
        Tick();
      }
      return TRUE;
    case WM_SETTINGCHANGE:
      // The user changed the regional settings: their date forms apply from now on.
      if (lParam != 0 && std::wstring_view(reinterpret_cast<const wchar_t*>(lParam)) == L"intl") {
        win32::RunHandler(window, [] { UseUserLocale(); });
        Tick();
      }
      break;
    case WM_GETMINMAXINFO: {
      // The system's smallest size for a captioned window can be wider than the clock's design
      // frame (under Wine at 144 dpi it is), and placing the window would then stretch its
      // client area. The border is fixed, so this limit only ever meets our own placement.
      const RECT frame = DesignFrame(win32::WindowDpi(window));
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
      return 0;
    }
    case WM_DESTROY:
      win32::RunHandler(window, [this] { form_.Form_Unload(); });
      ::KillTimer(window, kTimerId);  // whatever the handler did
      ::PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      registration_.reset();
      sysMenu_.SetWindow(nullptr);
      window_ = nullptr;
      break;
    default:
      break;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

void ClockWindow::ArmTimer() {
  if (::SetTimer(window_, kTimerId, DelayToNextTick(WallClockMilliseconds()), nullptr) == 0) {
    win32::ThrowWin32Error("SetTimer");
  }
}

void ClockWindow::Tick() {
  if (!timerEnabled_ || window_ == nullptr) {
    return;
  }
  // Re-armed first, so a failing or slow handler does not stop the clock or shift its beat.
  win32::RunHandler(window_, [this] { ArmTimer(); });
  win32::RunHandler(window_, [this] { form_.timMirel_Timer(); });
}

void ClockWindow::SetEnabled(bool enabled) {
  if (enabled == timerEnabled_) {
    return;
  }
  timerEnabled_ = enabled;
  if (enabled) {
    ArmTimer();
  } else if (window_ != nullptr) {
    ::KillTimer(window_, kTimerId);
  }
}

void ClockWindow::SetCaption(const std::string& caption) {
  // Twice a second with mostly the same text: setting it anyway would redraw the caption and the
  // taskbar button for nothing.
  if (caption == win32::WindowText(window_)) {
    return;
  }
  ::SetWindowTextW(window_, win32::Utf8ToWide(caption).c_str());
}

void ClockWindow::SetWindowState(WindowState state) {
  switch (state) {
    case WindowState::kNormal:
      ::ShowWindow(window_, SW_RESTORE);
      break;
    case WindowState::kMinimized:
      ::ShowWindow(window_, SW_MINIMIZE);
      break;
    case WindowState::kMaximized:
      ::ShowWindow(window_, SW_MAXIMIZE);
      break;
  }
}

void ClockWindow::Unload() {
  if (window_ != nullptr) {
    ::DestroyWindow(window_);
  }
}

void ClockWindow::UnloadAll() {
  win32::LoadedWindows::UnloadAllExcept(window_);
}

}  // namespace mirel
