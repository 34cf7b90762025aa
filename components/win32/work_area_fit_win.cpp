#include "components/win32/work_area_fit_win.h"

namespace mirel::win32 {
namespace {

ScreenRect ToScreenRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

RECT ToRect(const ScreenRect& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

RECT FitIntoWorkArea(const RECT& window, Oversize oversize) noexcept {
  HMONITOR monitor = ::MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (monitor == nullptr || !::GetMonitorInfoW(monitor, &info)) {
    return window;  // nothing known to fit into
  }
  return ToRect(FitIntoWorkArea(ToScreenRect(window), ToScreenRect(info.rcWork), oversize));
}

void KeepInsideWorkArea(HWND window, Oversize oversize) noexcept {
  // A maximised window fills its work area already; a minimised one is fitted once restored.
  RECT frame{};
  if (::IsIconic(window) || ::IsZoomed(window) || !::GetWindowRect(window, &frame)) {
    return;
  }
  const RECT fitted = FitIntoWorkArea(frame, oversize);
  if (!::EqualRect(&fitted, &frame)) {
    ::SetWindowPos(window, nullptr, fitted.left, fitted.top, fitted.right - fitted.left,
                   fitted.bottom - fitted.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace mirel::win32
