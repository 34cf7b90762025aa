// The clock window's icon: the tear-off day-calendar page of the program's icon with today's day
// of the month as its red numeral, laid out for any square size in pixels. A taskbar that hides
// its buttons' labels shows only this icon, so the date must stay readable down to 16 pixels,
// two digits included. The page keeps the proportions of the large design icon
// (resources/icons/mirel_large.txt, a 256 grid); its thin parts stay at least a pixel and the
// minor ones (the dark lip under the binding, the gaps between the page edges) drop out below
// the sizes where they would take the numeral's room. Below kSmallestFontSize no font stays
// legible in the few pixels left, so the numeral is made of hand-drawn 5 x 7 pixel digits.
// Example:
//   const DayPage page = LayoutDayPage(16);
//   for (const PagePiece& piece : page.pieces) Fill(piece.rect, piece.rgb);
//   for (const PixelRect& dot : PixelNumeral(28, page.numeralBox)) Fill(dot, kNumeralRgb);
#pragma once

#include <cstdint>
#include <vector>

namespace mirel {

// A rectangle of pixels; right and bottom are exclusive.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const PixelRect&) const = default;
};

using Rgb = std::uint32_t;  // 0xRRGGBB

struct PagePiece {
  PixelRect rect;
  Rgb rgb = 0;
};

inline constexpr Rgb kNumeralRgb = 0xE00000;
inline constexpr int kSmallestFontSize = 20;

struct DayPage {
  std::vector<PagePiece> pieces;  // painted in this order, each over the ones before
  PixelRect numeralBox;           // where the numeral stands, on the white page
  bool pixelDigits = false;       // the numeral is PixelNumeral's, not a font's
};

// The page at `size` x `size` pixels (16 .. 256 and beyond); every piece lies inside that square,
// and the pixels no piece covers are transparent.
DayPage LayoutDayPage(int size);

// The pixels of `day` (1 .. 31) in the 5 x 7 digits, a pixel apart, centred in `box`, as runs of
// pixels along the rows.
std::vector<PixelRect> PixelNumeral(int day, PixelRect box);

inline constexpr int kPixelDigitWidth = 5;
inline constexpr int kPixelDigitHeight = 7;

}  // namespace mirel
