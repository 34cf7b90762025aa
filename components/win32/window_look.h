// Title bars in the system's look: dark while the user has chosen dark mode for apps (Windows 10
// 1809 and later), the system's own otherwise. Every top-level window (BoundWindow) and dialog
// (DialogProcedure) of the program hands each of its messages to FollowSystemLook, so no window
// has to remember it.
#pragma once

#include <windows.h>

namespace mirel::win32 {

// Sets the title bar of a top-level window as the look asks when the window is made and each time
// it is activated or deactivated. On a switch of dark mode (WM_SETTINGCHANGE
// "ImmersiveColorSet") or high contrast (SPI_SETHIGHCONTRAST, WM_SYSCOLORCHANGE) it also has the
// whole window drawn again, so what it shows reads the look afresh at its next paint. Other
// messages, and those of child windows, it leaves alone.
void FollowSystemLook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

}  // namespace mirel::win32
