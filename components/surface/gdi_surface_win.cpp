#include "components/surface/gdi_surface_win.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <iterator>
#include <string>

#include "components/win32/dpi.h"
#include "components/win32/text_conversion.h"

namespace mirel {

namespace {

// The portable surface's colours and drawing mode go to GDI as they are.
static_assert(sizeof(Color) == sizeof(COLORREF));
static_assert(kRed == RGB(255, 0, 0) && kBlue == RGB(0, 0, 255) && kWhite == RGB(255, 255, 255) &&
              kBlack == RGB(0, 0, 0));
static_assert(kDrawModeCopyPen == R2_COPYPEN);

constexpr wchar_t kJapaneseFace[] = L"MS UI Gothic";

bool HasJapaneseGlyphs(const LOGFONTW& font) {
  win32::UniqueFont handle(::CreateFontIndirectW(&font));
  win32::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  if (!handle || !dc) {
    return false;
  }
  win32::SelectObjectGuard select(dc.Get(), handle.Get());
  WORD glyphs[3] = {};
  const wchar_t sample[] = L"日今月";
  if (::GetGlyphIndicesW(dc.Get(), sample, 3, glyphs, GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
    return false;
  }
  return std::none_of(std::begin(glyphs), std::end(glyphs), [](WORD g) { return g == 0xFFFF; });
}

}  // namespace

LOGFONTW DefaultGuiFont(UINT dpi) {
  LOGFONTW font{};
  if (::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font) == 0) {
    font.lfHeight = -12;
    font.lfCharSet = DEFAULT_CHARSET;
  }
  // The stock font is made for the system DPI; the window may stand on a monitor of another.
  font.lfHeight =
      ::MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(win32::SystemDpi()));
  font.lfWeight = FW_NORMAL;
  if (!HasJapaneseGlyphs(font)) {
    // Weekday names and holidays are Japanese: a face without those glyphs would print boxes.
    std::wcsncpy(font.lfFaceName, kJapaneseFace, LF_FACESIZE - 1);
    font.lfCharSet = SHIFTJIS_CHARSET;
  }
  return font;
}

void FillSolidRect(HDC dc, const RECT& rect, Color color) {
  ::SetDCBrushColor(dc, color);
  ::FillRect(dc, &rect, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

GdiSurface::GdiSurface(Color backColor) : PictureBoxState(0, 0, backColor) {}

void GdiSurface::Resize(HDC reference, int widthPixels, int heightPixels) {
  bitmapSelection_.reset();
  bitmap_.Reset();
  widthPixels_ = std::max(widthPixels, 0);
  heightPixels_ = std::max(heightPixels, 0);
  if (!dc_) {
    dc_.Reset(::CreateCompatibleDC(reference));
    if (!dc_) {
      widthPixels_ = heightPixels_ = 0;
      return;
    }
    ::SetBkMode(dc_.Get(), TRANSPARENT);
    ::SetROP2(dc_.Get(), R2_COPYPEN);
    SelectCurrentFont();
  }
  if (widthPixels_ > 0 && heightPixels_ > 0) {
    bitmap_.Reset(::CreateCompatibleBitmap(reference, widthPixels_, heightPixels_));
    if (!bitmap_) {
      widthPixels_ = heightPixels_ = 0;
      return;
    }
    bitmapSelection_.emplace(dc_.Get(), bitmap_.Get());
  }
  if (!userScale_) {
    scaleX2_ = widthPixels_;
    scaleY2_ = heightPixels_;
  }
}

void GdiSurface::SetDpi(UINT dpi) {
  if (dpi == dpi_ && fonts_[0]) {
    return;
  }
  dpi_ = dpi;
  const LOGFONTW regular = DefaultGuiFont(dpi);
  std::array<win32::UniqueFont, 4> fonts;
  for (std::size_t index = 0; index < fonts.size(); ++index) {
    LOGFONTW font = regular;
    font.lfWeight = index % 2 == 1 ? FW_BOLD : FW_NORMAL;
    if (index >= 2) {
      // Small enough for two characters to sit above a day's number in the design's cell.
      font.lfHeight = ::MulDiv(regular.lfHeight, 3, 4);
    }
    fonts[index].Reset(::CreateFontIndirectW(&font));
    if (!fonts[index]) {
      return;
    }
  }
  fontSelection_.reset();
  fonts_ = std::move(fonts);
  SelectCurrentFont();
}

void GdiSurface::SelectCurrentFont() {
  const std::size_t index = (fontSize_ == FontSize::kSmall ? 2 : 0) + (bold_ ? 1 : 0);
  HFONT font = fonts_[index].Get();
  if (!dc_ || font == nullptr) {
    return;
  }
  // The DC's own font goes back first, so the guard always holds that one.
  fontSelection_.reset();
  fontSelection_.emplace(dc_.Get(), font);
}

void GdiSurface::CopyTo(HDC target) const {
  if (!Empty()) {
    ::BitBlt(target, 0, 0, widthPixels_, heightPixels_, dc_.Get(), 0, 0, SRCCOPY);
  }
}

double GdiSurface::UnitsPerPixelX() const {
  return widthPixels_ > 0 ? (scaleX2_ - scaleX1_) / widthPixels_ : 0.0;
}

double GdiSurface::UnitsPerPixelY() const {
  return heightPixels_ > 0 ? (scaleY2_ - scaleY1_) / heightPixels_ : 0.0;
}

int GdiSurface::PixelX(double x) const {
  double width = scaleX2_ - scaleX1_;
  double pixel = width != 0 ? (x - scaleX1_) * widthPixels_ / width : 0.0;
  return static_cast<int>(
      std::clamp(std::isfinite(pixel) ? std::lround(pixel) : 0L, -100000L, 100000L));
}

int GdiSurface::PixelY(double y) const {
  double height = scaleY2_ - scaleY1_;
  double pixel = height != 0 ? (y - scaleY1_) * heightPixels_ / height : 0.0;
  return static_cast<int>(
      std::clamp(std::isfinite(pixel) ? std::lround(pixel) : 0L, -100000L, 100000L));
}

void GdiSurface::FillPixels(int left, int top, int right, int bottom, Color color) {
  FillSolidRect(dc_.Get(), {left, top, right, bottom}, color);
}

void GdiSurface::Cls() {
  if (!Empty()) {
    FillPixels(0, 0, widthPixels_, heightPixels_, backColor_);
  }
  HomePen();
}

void GdiSurface::Scale(double x1, double y1, double x2, double y2) {
  PictureBoxState::Scale(x1, y1, x2, y2);
  userScale_ = true;
}

void GdiSurface::SetDrawMode(int mode) {
  if (dc_ && mode >= R2_BLACK && mode <= R2_WHITE) {
    ::SetROP2(dc_.Get(), mode);
  }
}

void GdiSurface::Line(double x1, double y1, double x2, double y2, Color color, LineKind kind) {
  currentX_ = x2;
  currentY_ = y2;
  if (Empty()) {
    return;
  }
  // Both corners are inside the box, as a picture box draws it; an edge on the far border is
  // pulled in by one pixel so that it stays visible.
  int left = std::min(PixelX(x1), PixelX(x2));
  int right = std::max(PixelX(x1), PixelX(x2));
  int top = std::min(PixelY(y1), PixelY(y2));
  int bottom = std::max(PixelY(y1), PixelY(y2));
  if (kind == LineKind::kFilledBox) {
    FillPixels(left, top, right + 1, bottom + 1, color);
    return;
  }
  right = std::min(right, widthPixels_ - 1);
  bottom = std::min(bottom, heightPixels_ - 1);
  FillPixels(left, top, right + 1, top + 1, color);
  FillPixels(left, bottom, right + 1, bottom + 1, color);
  FillPixels(left, top, left + 1, bottom + 1, color);
  FillPixels(right, top, right + 1, bottom + 1, color);
}

void GdiSurface::SetFontBold(bool bold) {
  bold_ = bold;
  SelectCurrentFont();
}

void GdiSurface::SetFontSize(FontSize size) {
  fontSize_ = size;
  SelectCurrentFont();
}

int GdiSurface::LinePixels() const {
  TEXTMETRICW metrics{};
  if (!dc_ || !::GetTextMetricsW(dc_.Get(), &metrics)) {
    return 0;
  }
  return metrics.tmHeight;
}

double GdiSurface::TextWidth(std::string_view text) const {
  if (!dc_) {
    return 0;
  }
  std::wstring wide = win32::Utf8ToWide(text);
  SIZE size{};
  ::GetTextExtentPoint32W(dc_.Get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return size.cx * UnitsPerPixelX();
}

double GdiSurface::TextHeight(std::string_view) const {
  return LinePixels() * UnitsPerPixelY();
}

void GdiSurface::Print(std::string_view text) {
  if (!Empty() && !text.empty()) {
    std::wstring wide = win32::Utf8ToWide(text);
    ::SetTextColor(dc_.Get(), foreColor_);
    ::SetBkMode(dc_.Get(), TRANSPARENT);
    ::TextOutW(dc_.Get(), PixelX(currentX_), PixelY(currentY_), wide.c_str(),
               static_cast<int>(wide.size()));
  }
  currentX_ = scaleX1_;
  currentY_ += LinePixels() * UnitsPerPixelY();
}

void GdiSurface::PrintRightAligned(std::string_view text, double right) {
  if (Empty() || text.empty()) {
    return;
  }
  const std::wstring wide = win32::Utf8ToWide(text);
  const int length = static_cast<int>(wide.size());
  SIZE size{};
  if (!::GetTextExtentPoint32W(dc_.Get(), wide.c_str(), length, &size)) {
    return;
  }
  ::SetTextColor(dc_.Get(), foreColor_);
  ::SetBkMode(dc_.Get(), TRANSPARENT);
  ::TextOutW(dc_.Get(), PixelX(right) - size.cx, PixelY(currentY_), wide.c_str(), length);
}

}  // namespace mirel
