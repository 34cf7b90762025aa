// The clock's day icons on Windows: the page of day_page.h drawn with GDI into an icon, and the
// pair the clock window shows (its small and its big icon), replaced when the day or the DPI
// changes. The executable's own icon resource stays the design page.
// Example:
//   WindowDayIcons icons;
//   icons.Show(clockWindow, 28);  // small and big icons with a red 28
//   icons.Clear(clockWindow);     // at WM_DESTROY: the class icon again, no icon left behind
#pragma once

#include <windows.h>

#include "components/win32/unique_handle.h"

namespace mirel {

// The icon of `day` (1 .. 31) at `size` x `size` pixels, 32-bit colour with an alpha channel and
// a matching mask. Throws RunTimeError when GDI cannot make it.
win32::UniqueHicon DrawDayIcon(int day, int size);

class WindowDayIcons {
 public:
  // Draws `day` at the small and big icon sizes of the window's DPI and hands both to the window
  // (WM_SETICON); the icons they replace are destroyed once the window no longer shows them. On a
  // failure the window keeps the icons it had.
  void Show(HWND window, int day);
  // Takes the icons back from the window, which shows its class icon again, and destroys them.
  void Clear(HWND window) noexcept;

 private:
  win32::UniqueHicon small_;
  win32::UniqueHicon big_;
};

}  // namespace mirel
