#include "components/win32/work_area_fit.h"

namespace mirel::win32 {
namespace {

// One axis: the start and end of the window between the start and end of the area.
void FitAxis(long& start, long& end, long areaStart, long areaEnd, Oversize oversize) {
  const long size = end - start;
  if (size > areaEnd - areaStart) {
    start = areaStart;
    end = oversize == Oversize::kShrink ? areaEnd : areaStart + size;
    return;
  }
  if (start < areaStart) {
    start = areaStart;
  } else if (end > areaEnd) {
    start = areaEnd - size;
  }
  end = start + size;
}

}  // namespace

ScreenRect FitIntoWorkArea(const ScreenRect& window, const ScreenRect& workArea,
                           Oversize oversize) noexcept {
  if (workArea.right <= workArea.left || workArea.bottom <= workArea.top) {
    return window;
  }
  ScreenRect fitted = window;
  FitAxis(fitted.left, fitted.right, workArea.left, workArea.right, oversize);
  FitAxis(fitted.top, fitted.bottom, workArea.top, workArea.bottom, oversize);
  return fitted;
}

}  // namespace mirel::win32
