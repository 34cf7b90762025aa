#include "components/win32/window_look.h"

#include <dwmapi.h>

#include <string_view>

#include "components/look/system_look_win.h"
#include "components/win32/system_info.h"
#include "components/win32/system_library.h"

namespace mirel::win32 {
namespace {

bool IsLookSwitch(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_SYSCOLORCHANGE) {
    return true;
  }
  if (message != WM_SETTINGCHANGE) {
    return false;
  }
  return wParam == SPI_SETHIGHCONTRAST ||
         (lParam != 0 &&
          std::wstring_view(reinterpret_cast<const wchar_t*>(lParam)) == L"ImmersiveColorSet");
}

bool IsTopLevel(HWND window) noexcept {
  return (::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0;
}

// A light title bar is what every window has from the start: the DWM library is loaded only once
// a title bar is to be dark, so a program in light mode starts as it always did.
void SetTitleBar(HWND window, const LookSettings& settings) noexcept {
  static bool anyDark = false;
  const bool dark = ChooseLook(settings) == Look::kDark;
  const std::uint32_t attribute = DarkTitleBarAttribute(settings.windowsBuild);
  if (attribute == 0 || (!dark && !anyDark)) {
    return;
  }
  static const auto setAttribute =
      SystemFunction<decltype(&::DwmSetWindowAttribute)>(L"dwmapi.dll", "DwmSetWindowAttribute");
  if (setAttribute == nullptr) {
    return;
  }
  const BOOL value = dark ? TRUE : FALSE;
  if (SUCCEEDED(setAttribute(window, attribute, &value, sizeof value)) && dark) {
    anyDark = true;
  }
}

void RedrawTitleBar(HWND window) noexcept {
  const BOOL active = ::GetActiveWindow() == window ? TRUE : FALSE;
  ::SendMessageW(window, WM_NCACTIVATE, !active, 0);
  ::SendMessageW(window, WM_NCACTIVATE, active, 0);
}

}  // namespace

void FollowSystemLook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  const bool lookSwitch = IsLookSwitch(message, wParam, lParam);
  const bool made = message == WM_CREATE || message == WM_INITDIALOG;
  if ((!lookSwitch && !made && message != WM_NCACTIVATE) || !IsTopLevel(window)) {
    return;
  }
  const LookSettings settings = ReadLookSettings();
  SetTitleBar(window, settings);
  if (lookSwitch) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    // Windows 11 redraws a title bar when its colours change; Windows 10 only at its next
    // activation or deactivation.
    if (DarkTitleBarAttribute(settings.windowsBuild) != 0 &&
        settings.windowsBuild < kFirstWindows11Build) {
      RedrawTitleBar(window);
    }
  }
}

}  // namespace mirel::win32
