#include "clock/clock_window_win.h"

#include "clock/tick_schedule.h"
#include "components/format/user_locale.h"
#include "components/win32/dpi.h"
#include "components/win32/loaded_windows.h"
#include "components/win32/text_conversion.h"
#include "components/win32/win_error.h"
#include "components/win32/work_area_fit_win.h"
#include "resources/resource_ids.h"

namespace mirel {
namespace {

// The portable clock spells this Windows value as a plain number.
static_assert(kDpiChangedMessage == WM_DPICHANGED);

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

ClockWindow::ClockWindow(HINSTANCE, SettingsStore& settings, Application app)
    : form_({*this, *this, settings, *this, sysMenu_, taskbar_, std::move(app)}) {}

ClockWindow::~ClockWindow() {
  Unload();  // while the form is still there: its close sequence runs as at any close
}

void ClockWindow::Load() {
  const std::wstring caption = win32::Utf8ToWide(kDesignCaption);
  Create({.name = kClockWindowClass,
          .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
          .iconId = IDI_MIREL},
         {.style = kStyle, .exStyle = kExStyle, .caption = caption.c_str()});
  PlaceAtDesignPosition();
  msgMirel_.Attach(Handle(), [this](const HookMessage& m) {
    form_.msgMirel_Message(m.message, m.wParam, m.lParam, m.window);
  });
  RunHandler([this] { form_.Form_Load(); });
  if (Handle() != nullptr) {
    ::ShowWindow(Handle(), SW_SHOWMINIMIZED);
    // After the window shows: loading the DLL must not hold up the clock's start.
    sessions_.Register(Handle());
  }
}

void ClockWindow::PlaceAtDesignPosition() {
  // Twice: the first placement may put the window on a monitor of another DPI than the one the
  // window was created on.
  for (int round = 0; round < 2; ++round) {
    const UINT dpi = win32::WindowDpi(Handle());
    // Also where a restore brings it back: the minimised window's normal place is this one.
    const RECT rect = win32::FitIntoWorkArea(DesignFrame(dpi), win32::Oversize::kKeepSize);
    ::SetWindowPos(Handle(), nullptr, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (win32::WindowDpi(Handle()) == dpi) {
      break;
    }
  }
}

LRESULT ClockWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      sysMenu_.SetWindow(window);
      break;
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
    case WM_WTSSESSION_CHANGE:
      if (wParam == WTS_SESSION_UNLOCK) {
        Tick();
      }
      return 0;
    case WM_SETTINGCHANGE:
      OnSettingChange(lParam);
      break;
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_NCDESTROY:
      sysMenu_.SetWindow(nullptr);
      break;
    default:
      break;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

void ClockWindow::OnSettingChange(LPARAM lParam) {
  // The user changed the regional settings: their date forms apply from now on.
  if (lParam != 0 && std::wstring_view(reinterpret_cast<const wchar_t*>(lParam)) == L"intl") {
    RunHandler([] { UseUserLocale(); });
    Tick();
  }
}

void ClockWindow::OnGetMinMaxInfo(MINMAXINFO& info) const {
  // The system's smallest size for a captioned window can be wider than the clock's design
  // frame (under Wine at 144 dpi it is), and placing the window would then stretch its client
  // area. The border is fixed, so this limit only ever meets our own placement.
  const RECT frame = DesignFrame(win32::WindowDpi(Handle()));
  info.ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
}

void ClockWindow::OnDestroy() {
  RunHandler([this] { form_.Form_Unload(); });
  ::KillTimer(Handle(), kTimerId);  // whatever the handler did
  sessions_.Unregister();
  taskbar_.CloseLabelTip();
  dayIcons_.Clear(Handle());
  ::PostQuitMessage(0);
}

void ClockWindow::ArmTimer() {
  if (::SetTimer(Handle(), kTimerId, DelayToNextTick(WallClockMilliseconds()), nullptr) == 0) {
    win32::ThrowWin32Error("SetTimer");
  }
}

void ClockWindow::Tick() {
  if (!timerEnabled_ || Handle() == nullptr) {
    return;
  }
  // Re-armed first, so a failing or slow handler does not stop the clock or shift its beat.
  RunHandler([this] { ArmTimer(); });
  RunHandler([this] { form_.timMirel_Timer(); });
}

void ClockWindow::SetEnabled(bool enabled) {
  if (enabled == timerEnabled_) {
    return;
  }
  timerEnabled_ = enabled;
  if (enabled) {
    ArmTimer();
  } else if (Handle() != nullptr) {
    ::KillTimer(Handle(), kTimerId);
  }
}

void ClockWindow::SetCaption(const std::string& caption) {
  // Twice a second with mostly the same text: setting it anyway would redraw the caption and the
  // taskbar button for nothing.
  if (caption == win32::WindowText(Handle())) {
    return;
  }
  ::SetWindowTextW(Handle(), win32::Utf8ToWide(caption).c_str());
}

void ClockWindow::ShowDay(int dayOfMonth) {
  dayIcons_.Show(Handle(), dayOfMonth);
}

void ClockWindow::SetWindowState(WindowState state) {
  switch (state) {
    case WindowState::kNormal:
      ::ShowWindow(Handle(), SW_RESTORE);
      break;
    case WindowState::kMinimized:
      ::ShowWindow(Handle(), SW_MINIMIZE);
      break;
    case WindowState::kMaximized:
      ::ShowWindow(Handle(), SW_MAXIMIZE);
      break;
  }
}

void ClockWindow::Unload() {
  if (Handle() != nullptr) {
    ::DestroyWindow(Handle());
  }
}

void ClockWindow::UnloadAll() {
  win32::LoadedWindows::UnloadAllExcept(Handle());
}

}  // namespace mirel
