// Keeps windows inside the work area of the monitor they belong to (the nearest one to their
// rectangle), with the arithmetic of work_area_fit.h. Used wherever a window is placed.
// Example: a rectangle computed from a design place goes through FitIntoWorkArea(rect,
// Oversize::kShrink) before SetWindowPos; a dialog calls KeepInsideWorkArea once it is laid out.
#pragma once

#include <windows.h>

#include "components/win32/work_area_fit.h"

namespace mirel::win32 {

// `window` (screen coordinates) fitted into the work area of the monitor nearest to it.
RECT FitIntoWorkArea(const RECT& window, Oversize oversize) noexcept;

// Moves (and for kShrink, perhaps sizes) a window in its normal state so that it lies inside its
// work area; a minimised or maximised window is left alone, so call it after a restore.
void KeepInsideWorkArea(HWND window, Oversize oversize) noexcept;

}  // namespace mirel::win32
