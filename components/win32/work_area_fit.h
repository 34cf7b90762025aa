// Where a window goes so that the user can see and reach all of it: into the work area of its
// monitor (the monitor less the taskbar), moved no further than needed. A window that already lies
// inside keeps its place to the pixel. Only the arithmetic lives here, free of Windows headers, so
// it is tested natively; work_area_fit_win.h fetches the work area and moves the window.
// Example: a 300 x 200 window at (900, 700) on a 1024 x 768 work area goes to (724, 568).
#pragma once

namespace mirel::win32 {

// Screen pixels; right and bottom lie just outside, as in a Windows RECT.
struct ScreenRect {
  long left = 0;
  long top = 0;
  long right = 0;
  long bottom = 0;
  bool operator==(const ScreenRect&) const = default;
};

// What becomes of a window wider or taller than the work area.
enum class Oversize {
  kShrink,    // a sizable window is made as large as the work area
  kKeepSize,  // a fixed-size window keeps its size and shows its top-left part
};

// `window` moved the least distance that brings it inside `workArea`; see Oversize for a window
// too large for it. An empty work area (no monitor information) leaves the window as it is.
ScreenRect FitIntoWorkArea(const ScreenRect& window, const ScreenRect& workArea,
                           Oversize oversize) noexcept;

}  // namespace mirel::win32
