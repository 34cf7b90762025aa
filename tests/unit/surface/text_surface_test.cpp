#include "components/surface/text_surface.h"

#include <gtest/gtest.h>

#include "tests/support/recording_surface.h"

namespace mirel {
namespace {

TEST(TextSurfaceTest, PrintEndsTheLineAtTheScaleLeftEdge) {
  TextSurface surface(20, 4);
  surface.Scale(0, 0, 2, 4);  // 10 columns and 1 line per unit
  surface.SetCurrentX(0.5);
  surface.SetCurrentY(1);
  surface.Print("ab");
  EXPECT_EQ(surface.CurrentX(), 0);
  EXPECT_EQ(surface.CurrentY(), 2);
  surface.Print("cd");
  EXPECT_EQ(surface.Render(false), "\n     ab\ncd\n\n");
}

TEST(TextSurfaceTest, WideCharactersTakeTwoColumns) {
  TextSurface surface(12, 1);
  EXPECT_EQ(surface.TextWidth("元日a"), 5);
  surface.Print("元日です");
  surface.SetCurrentY(0);
  surface.SetCurrentX(3);  // lands on the right half of 日
  surface.Print("x");
  EXPECT_EQ(surface.Render(false), "元 xです\n");
}

TEST(TextSurfaceTest, BoxesPaintBackgroundAndBrackets) {
  TextSurface surface(6, 3);
  surface.Scale(0, 0, 2, 1);  // 3 columns and 3 lines per unit
  surface.Line(0, 0, 2, 1, kBlue, LineKind::kFilledBox);
  std::string ansi = surface.Render(true);
  EXPECT_NE(ansi.find(";44m"), std::string::npos);
  surface.Cls();
  surface.Line(1, 0, 2, 1, kRed, LineKind::kBox);
  EXPECT_EQ(surface.Render(false), "\n   [ ]\n\n");
}

TEST(TextSurfaceTest, ControlAndBrokenBytesNeverReachTheTerminal) {
  TextSurface surface(8, 1);
  surface.Print("a\x1b[2J\xE6");
  EXPECT_EQ(surface.Render(false), "a?[2J?\n");
}

TEST(RecordingSurfaceTest, MeasuresInUserUnitsAndWeight) {
  RecordingSurface surface(700, 490);
  surface.Scale(0, 0, 7, 7);
  EXPECT_DOUBLE_EQ(surface.TextWidth("12"), 0.14);
  surface.SetFontBold(true);
  EXPECT_DOUBLE_EQ(surface.TextWidth("12"), 0.16);
  surface.SetCurrentX(3);
  surface.SetCurrentY(2);
  surface.Print("日");
  EXPECT_EQ(surface.CurrentX(), 0);
  EXPECT_DOUBLE_EQ(surface.CurrentY(), 2 + 16.0 * 7 / 490);
  surface.FailOn(DrawOpKind::kLine);
  EXPECT_ANY_THROW(surface.Line(0, 0, 1, 1, kRed, LineKind::kBox));
  EXPECT_NO_THROW(surface.Line(0, 0, 1, 1, kRed, LineKind::kBox));
}

}  // namespace
}  // namespace mirel
