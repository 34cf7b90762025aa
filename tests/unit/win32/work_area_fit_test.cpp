#include "components/win32/work_area_fit.h"

#include <gtest/gtest.h>

namespace mirel::win32 {
namespace {

struct FitCase {
  const char* what;
  ScreenRect window;
  ScreenRect workArea;
  Oversize oversize;
  ScreenRect expected;
};

// A 1024 x 768 screen with a 40-pixel taskbar at the bottom, and a second monitor to the left of
// the primary one, with negative coordinates and its taskbar at the top.
constexpr ScreenRect kWork{0, 0, 1024, 728};
constexpr ScreenRect kLeftWork{-1280, 30, 0, 1024};

const FitCase kCases[] = {
    {"inside stays to the pixel",
     {745, 509, 985, 715},
     kWork,
     Oversize::kShrink,
     {745, 509, 985, 715}},
    {"touching every edge stays", {0, 0, 1024, 728}, kWork, Oversize::kKeepSize, {0, 0, 1024, 728}},
    {"off the right and the bottom moves in by the overhang",
     {1113, 763, 1475, 1072},
     kWork,
     Oversize::kShrink,
     {662, 419, 1024, 728}},
    {"under the taskbar moves up only",
     {100, 700, 300, 760},
     kWork,
     Oversize::kKeepSize,
     {100, 668, 300, 728}},
    {"off the left and the top moves right and down",
     {-50, -20, 150, 80},
     kWork,
     Oversize::kKeepSize,
     {0, 0, 200, 100}},
    {"on a monitor with negative coordinates",
     {-1300, 0, -1000, 200},
     kLeftWork,
     Oversize::kShrink,
     {-1280, 30, -980, 230}},
    {"too large a sizable window fills the work area",
     {-10, 100, 1100, 900},
     kWork,
     Oversize::kShrink,
     {0, 0, 1024, 728}},
    {"too large a fixed window shows its top-left part",
     {500, 500, 1600, 1300},
     kWork,
     Oversize::kKeepSize,
     {0, 0, 1100, 800}},
    {"too wide only: the height is kept and fitted",
     {50, 650, 1150, 750},
     kWork,
     Oversize::kShrink,
     {0, 628, 1024, 728}},
    {"no work area known leaves the window alone",
     {1113, 763, 1475, 1072},
     {0, 0, 0, 0},
     Oversize::kShrink,
     {1113, 763, 1475, 1072}},
};

TEST(WorkAreaFitTest, MovesTheLeastAndShrinksOnlySizableWindows) {
  for (const FitCase& c : kCases) {
    EXPECT_EQ(FitIntoWorkArea(c.window, c.workArea, c.oversize), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace mirel::win32
