#include "clock/day_page.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace mirel {
namespace {

// The design's colours (resources/icons/mirel_large.txt).
constexpr Rgb kOutlineRgb = 0x303030;
constexpr Rgb kBindingRgb = 0xF8E038;
constexpr Rgb kBindingShadeRgb = 0x808000;
constexpr Rgb kBindingLipRgb = 0x5C5C00;
constexpr Rgb kPageRgb = 0xFFFFFF;
constexpr std::array<Rgb, 3> kEdgeRgbs{0xD0D0D0, 0xB0B0B0, 0x8C8C8C};  // lighter to darker

// Digits drawn for 16 pixels: strokes two pixels wide where the five columns allow, so the red
// reads against the white as firmly as black would. Each row's bit 4 is its leftmost pixel.
constexpr std::array<std::array<std::uint8_t, kPixelDigitHeight>, 10> kPixelDigits{{
    {0b01110, 0b11011, 0b11011, 0b11011, 0b11011, 0b11011, 0b01110},  // 0
    {0b00110, 0b01110, 0b11110, 0b00110, 0b00110, 0b00110, 0b00110},  // 1
    {0b01110, 0b11011, 0b00011, 0b00110, 0b01100, 0b11000, 0b11111},  // 2
    {0b11110, 0b00011, 0b00011, 0b01110, 0b00011, 0b00011, 0b11110},  // 3
    {0b00011, 0b00111, 0b01011, 0b10011, 0b11111, 0b00011, 0b00011},  // 4
    {0b11111, 0b11000, 0b11110, 0b00011, 0b00011, 0b11011, 0b01110},  // 5
    {0b01110, 0b11000, 0b11110, 0b11011, 0b11011, 0b11011, 0b01110},  // 6
    {0b11111, 0b00011, 0b00110, 0b00110, 0b01100, 0b01100, 0b01100},  // 7
    {0b01110, 0b11011, 0b11011, 0b01110, 0b11011, 0b11011, 0b01110},  // 8
    {0b01110, 0b11011, 0b11011, 0b11011, 0b01111, 0b00011, 0b01110},  // 9
}};

// A length of the 256 design grid at `size`, rounded, and at least `least` pixels.
int Scaled(double designLength, int size, int least) {
  return std::max(least, static_cast<int>(std::lround(designLength * size / 256.0)));
}

// Adds a band of `height` rows across `inner` at `top` (moving it down), or at `bottom` (moving
// it up); a band of no height adds nothing.
void AddBandAtTop(DayPage& page, const PixelRect& inner, int& top, int height, Rgb rgb) {
  if (height > 0) {
    page.pieces.push_back({{inner.left, top, inner.right, top + height}, rgb});
    top += height;
  }
}
void AddBandAtBottom(DayPage& page, const PixelRect& inner, int& bottom, int height, Rgb rgb) {
  if (height > 0) {
    page.pieces.push_back({{inner.left, bottom - height, inner.right, bottom}, rgb});
    bottom -= height;
  }
}

// The numeral's box: the page less a small margin, none across at 16 pixels, where two digits
// need every column.
PixelRect NumeralBox(const PixelRect& sheet) {
  const int across = static_cast<int>(std::lround(sheet.Width() * 0.04));
  const int down = std::max(1, static_cast<int>(std::lround(sheet.Height() * 0.08)));
  return {sheet.left + across, sheet.top + down, sheet.right - across, sheet.bottom - down};
}

}  // namespace

DayPage LayoutDayPage(int size) {
  DayPage page;
  const int line = Scaled(4, size, 1);  // the dark outline
  const int side = Scaled(22, size, 1);
  const int top = Scaled(18, size, 0);
  // Cut rather than rounded: at 16 pixels the page keeps the last row.
  const int bottom = size - static_cast<int>(12.0 * size / 256.0);
  page.pieces.push_back({{side, top, size - side, bottom}, kOutlineRgb});
  const PixelRect inner{side + line, top + line, size - side - line, bottom - line};

  int sheetTop = inner.top;
  AddBandAtTop(page, inner, sheetTop, Scaled(18, size, 1), kBindingRgb);
  AddBandAtTop(page, inner, sheetTop, Scaled(26, size, 1), kBindingShadeRgb);
  AddBandAtTop(page, inner, sheetTop, size >= 48 ? Scaled(4, size, 1) : 0, kBindingLipRgb);
  sheetTop += size >= 32 ? Scaled(4, size, 1) : 0;  // the outline shows between binding and page

  // The stacked edges of the pages below, the lightest on top; fewer where pixels are scarce.
  const int edges = size < 24 ? 1 : size < 40 ? 2 : 3;
  // Alternating shades tell the edges apart; the design's dark gaps between them only where they
  // do not take the page's rows.
  const int gap = size >= 96 ? Scaled(3, size, 1) : 0;
  int sheetBottom = inner.bottom;
  for (int edge = edges - 1; edge >= 0; --edge) {
    AddBandAtBottom(page, inner, sheetBottom, Scaled(7, size, 1), kEdgeRgbs[edge]);
    sheetBottom -= gap;
  }

  const PixelRect sheet{inner.left, sheetTop, inner.right, sheetBottom};
  page.pieces.push_back({sheet, kPageRgb});
  page.numeralBox = NumeralBox(sheet);
  page.pixelDigits = size < kSmallestFontSize;
  return page;
}

std::vector<PixelRect> PixelNumeral(int day, PixelRect box) {
  const std::string digits = std::to_string(day);
  const int count = static_cast<int>(digits.size());
  const auto glyph = [&](int index) -> const auto& {
    return kPixelDigits.at(static_cast<std::size_t>(digits[index] - '0'));
  };
  const auto set = [](const auto& rows, int x, int y) {
    return x < kPixelDigitWidth && ((rows[y] >> (kPixelDigitWidth - 1 - x)) & 1) != 0;
  };
  const auto inkColumn = [&](const auto& rows, bool last) {
    for (int step = 0; step < kPixelDigitWidth; ++step) {
      const int x = last ? kPixelDigitWidth - 1 - step : step;
      for (int y = 0; y < kPixelDigitHeight; ++y) {
        if (set(rows, x, y)) {
          return x;
        }
      }
    }
    return 0;
  };
  // Centred by the ink, not the cells: the 1 stands left in its cell.
  const int first = inkColumn(glyph(0), false);
  const int inkWidth =
      (count - 1) * (kPixelDigitWidth + 1) + inkColumn(glyph(count - 1), true) + 1 - first;
  const int left = box.left + (box.Width() - inkWidth) / 2 - first;
  const int top = box.top + (box.Height() - kPixelDigitHeight) / 2;
  std::vector<PixelRect> dots;
  for (int index = 0; index < count; ++index) {
    const int digitLeft = left + index * (kPixelDigitWidth + 1);
    for (int y = 0; y < kPixelDigitHeight; ++y) {
      // Each run of set pixels becomes one rectangle.
      for (int x = 0; x < kPixelDigitWidth; ++x) {
        if (!set(glyph(index), x, y)) {
          continue;
        }
        const int start = x;
        while (set(glyph(index), x + 1, y)) {
          ++x;
        }
        dots.push_back({digitLeft + start, top + y, digitLeft + x + 1, top + y + 1});
      }
    }
  }
  return dots;
}

}  // namespace mirel
