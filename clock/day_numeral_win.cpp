#include "clock/day_numeral_win.h"

#include <algorithm>
#include <climits>
#include <string>

#include "components/win32/unique_handle.h"
#include "components/win32/win_error.h"

namespace mirel {
namespace {

// Arial is on every Windows, and its bold digits stay open when small. Grey-scale smoothing rather
// than ClearType: an icon is shown on any background and at any place, where coloured fringes
// would show.
win32::UniqueFont NumeralFont(int emHeight) {
  win32::UniqueFont font(::CreateFontW(-emHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                                       DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                       ANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Arial"));
  if (!font) {
    win32::ThrowWin32Error("CreateFontW");
  }
  return font;
}

// Where the text's ink lies in a font: its advance width, and its rows above the baseline (top)
// and below it (bottom, negative), from the glyphs themselves, since digits differ from font to
// font in height and overshoot.
struct TextInk {
  int width = 0;
  int top = 0;
  int bottom = 0;
  int ascent = 0;  // of the font: where TextOut puts the baseline below the given point

  int Height() const { return top - bottom; }
};

TextInk InkOf(HDC dc, HFONT font, const std::wstring& text) {
  win32::SelectObjectGuard select(dc, font);
  TextInk ink{0, INT_MIN, INT_MAX, 0};
  SIZE extent{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  ink.width = extent.cx;
  ink.ascent = metrics.tmAscent;
  const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  for (wchar_t digit : text) {
    GLYPHMETRICS glyph{};
    if (::GetGlyphOutlineW(dc, digit, GGO_METRICS, &glyph, 0, nullptr, &identity) == GDI_ERROR) {
      // A font without outlines: its capitals' height, from the baseline up.
      return {extent.cx, metrics.tmAscent - metrics.tmInternalLeading, 0, metrics.tmAscent};
    }
    ink.top = std::max(ink.top, static_cast<int>(glyph.gmptGlyphOrigin.y));
    ink.bottom = std::min(ink.bottom, static_cast<int>(glyph.gmptGlyphOrigin.y) -
                                          static_cast<int>(glyph.gmBlackBoxY));
  }
  return ink;
}

// The bold font whose digits fill the box's height, or smaller where two digits would be wider
// than the box. Not narrowed: a font made narrower than it is drawn (lfWidth) may lose the bold
// that a system without the bold face makes up for it.
win32::UniqueFont FittedFont(HDC dc, const std::wstring& text, const PixelRect& box) {
  int em = box.Height() * 100 / 72;  // a first guess: digits are about 0.72 of the em
  const TextInk guessed = InkOf(dc, NumeralFont(em).Get(), text);
  if (guessed.Height() > 0) {
    em = std::max(1, em * box.Height() / guessed.Height());
  }
  win32::UniqueFont font = NumeralFont(em);
  const TextInk natural = InkOf(dc, font.Get(), text);
  if (natural.width <= box.Width()) {
    return font;
  }
  return NumeralFont(std::max(1, em * box.Width() / natural.width));
}

}  // namespace

void DrawFontNumeral(HDC dc, int day, const PixelRect& box) {
  // Widened from std::to_string: std::to_wstring would link in the runtime's wide printf, a good
  // part of the executable's size limit for two digits.
  const std::string digits = std::to_string(day);
  const std::wstring text(digits.begin(), digits.end());
  const win32::UniqueFont font = FittedFont(dc, text, box);
  const TextInk ink = InkOf(dc, font.Get(), text);
  win32::SelectObjectGuard select(dc, font.Get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, RGB(kNumeralRgb >> 16 & 0xFF, kNumeralRgb >> 8 & 0xFF, kNumeralRgb & 0xFF));
  const int x = box.left + (box.Width() - ink.width) / 2;
  const int baseline = box.top + (box.Height() - ink.Height()) / 2 + ink.top;
  ::ExtTextOutW(dc, x, baseline - ink.ascent, 0, nullptr, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
}

}  // namespace mirel
