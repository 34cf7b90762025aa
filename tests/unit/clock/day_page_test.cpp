#include "clock/day_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>

namespace mirel {
namespace {

bool Inside(const PixelRect& inner, const PixelRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// At every size Windows asks for (small and big icons from 96 to 480 dpi, and the largest), the
// outline holds every part, stands in the middle of the square, and the white page, where the
// numeral goes, takes at least half of the icon's height.
TEST(DayPage, EverySizeKeepsThePagesPartsInsideTheOutline) {
  for (int size : {16, 20, 24, 28, 32, 40, 48, 56, 64, 80, 96, 128, 160, 256}) {
    SCOPED_TRACE(size);
    const DayPage page = LayoutDayPage(size);
    ASSERT_GE(page.pieces.size(), 5u);
    const PixelRect& outline = page.pieces.front().rect;
    EXPECT_TRUE(Inside(outline, {0, 0, size, size}));
    EXPECT_EQ(outline.left, size - outline.right);
    const PagePiece* sheet = nullptr;
    for (const PagePiece& piece : page.pieces) {
      EXPECT_GT(piece.rect.Width(), 0);
      EXPECT_GT(piece.rect.Height(), 0);
      EXPECT_TRUE(Inside(piece.rect, outline));
      if (piece.rgb == 0xFFFFFF) {
        sheet = &piece;
      }
    }
    ASSERT_NE(sheet, nullptr);
    EXPECT_GE(sheet->rect.Height() * 2, size);
    EXPECT_TRUE(Inside(page.numeralBox, sheet->rect));
    EXPECT_EQ(page.pixelDigits, size < kSmallestFontSize);
  }
}

// At 16 pixels every day of a month is a picture of its own, two digits side by side with a
// clear column between them, the ink centred in the numeral's box to a pixel.
TEST(DayPage, PixelNumeralsAreDistinctAndFitTheSmallestPage) {
  const DayPage page = LayoutDayPage(16);
  ASSERT_TRUE(page.pixelDigits);
  const PixelRect& box = page.numeralBox;
  std::set<std::string> pictures;
  for (int day = 1; day <= 31; ++day) {
    SCOPED_TRACE(day);
    std::string picture(16 * 16, '.');
    PixelRect ink{16, 16, 0, 0};
    for (const PixelRect& dot : PixelNumeral(day, box)) {
      EXPECT_TRUE(Inside(dot, box));
      for (int y = dot.top; y < dot.bottom; ++y) {
        for (int x = dot.left; x < dot.right; ++x) {
          picture[y * 16 + x] = '#';
        }
      }
      ink = {std::min(ink.left, dot.left), std::min(ink.top, dot.top),
             std::max(ink.right, dot.right), std::max(ink.bottom, dot.bottom)};
    }
    EXPECT_TRUE(pictures.insert(picture).second);
    EXPECT_LE(std::abs((ink.left - box.left) - (box.right - ink.right)), 1);
    EXPECT_LE(std::abs((ink.top - box.top) - (box.bottom - ink.bottom)), 1);
    int clearColumns = 0;
    for (int x = ink.left; x < ink.right; ++x) {
      bool clear = true;
      for (int y = 0; y < 16; ++y) {
        clear = clear && picture[y * 16 + x] == '.';
      }
      clearColumns += clear;
    }
    EXPECT_EQ(clearColumns > 0, day >= 10);
  }
}

}  // namespace
}  // namespace mirel
