// The calendar window's context menu on Windows: two checked items, 「国民の祝日を表示」 and
// 「六曜を表示」, that switch the national holidays and the 六曜 on the grid.
#pragma once

#include <windows.h>

#include "calendar/frm_calender.h"

namespace mirel {

// Answers WM_CONTEXTMENU (lParam as the message brings it) of the calendar window `window`, whose
// grid is `grid`: a right click on the grid or an arrow box, Shift+F10 or the Menu key. Shows the
// menu at the mouse, or at the grid's first cell below the weekday names when it comes from the
// keyboard, and runs the chosen item on `form`, reporting a failure in a message box. Returns
// false for a right click outside the client area (the caption's window menu), which the caller
// hands on to DefWindowProc.
bool ShowCalenderContextMenu(HWND window, HWND grid, LPARAM lParam, frmCalender& form) noexcept;

}  // namespace mirel
