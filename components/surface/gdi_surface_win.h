// The picture-box surface on GDI: a memory bitmap the size of the picture box that the drawing
// goes to, copied to the window in one BitBlt so a redraw never shows half a picture. Text uses
// the platform's default GUI font at the window's DPI (a Japanese face when that one has no
// Japanese glyphs), or three quarters of its height for small text, drawn without a background;
// Print moves the pen to the next line.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string_view>

#include "components/surface/picture_box_state.h"
#include "components/win32/unique_handle.h"

namespace mirel {

// The default GUI font's description for `dpi`, with a Japanese-capable face.
LOGFONTW DefaultGuiFont(UINT dpi);

// Fills `rect` of `dc` with `color` through the DC's own brush, so no brush is made for a fill.
// It leaves that colour as the DC brush's.
void FillSolidRect(HDC dc, const RECT& rect, Color color);

class GdiSurface : public PictureBoxState {
 public:
  explicit GdiSurface(Color backColor = kWhite);
  GdiSurface(const GdiSurface&) = delete;
  GdiSurface& operator=(const GdiSurface&) = delete;

  // A buffer of widthPixels x heightPixels compatible with `reference`, keeping the user scale.
  // A zero or negative size leaves an empty surface on which drawing does nothing.
  void Resize(HDC reference, int widthPixels, int heightPixels);
  // Fonts for this DPI; made again only when it changes.
  void SetDpi(UINT dpi);
  // Copies the buffer to `target` at (0, 0).
  void CopyTo(HDC target) const;
  bool Empty() const { return widthPixels_ <= 0 || heightPixels_ <= 0 || !dc_; }
  HDC Dc() const { return dc_.Get(); }

  void Cls() override;
  void Scale(double x1, double y1, double x2, double y2) override;
  void SetDrawMode(int mode) override;
  void Line(double x1, double y1, double x2, double y2, Color color, LineKind kind) override;
  void SetFontBold(bool bold) override;
  void SetFontSize(FontSize size) override;
  double TextWidth(std::string_view text) const override;
  double TextHeight(std::string_view text) const override;
  void Print(std::string_view text) override;
  void PrintRightAligned(std::string_view text, double right) override;

 private:
  // User units per pixel; 0 on an empty surface, so measurements there are 0, never infinite.
  double UnitsPerPixelX() const;
  double UnitsPerPixelY() const;
  int PixelX(double x) const;
  int PixelY(double y) const;
  void SelectCurrentFont();
  int LinePixels() const;
  void FillPixels(int left, int top, int right, int bottom, Color color);

  win32::UniqueMemoryDc dc_;
  win32::UniqueBitmap bitmap_;
  // By size and weight: regular, bold, small, small bold.
  std::array<win32::UniqueFont, 4> fonts_;
  // Declared after what they select, so they put the DC's own objects back before those go.
  std::optional<win32::SelectObjectGuard> bitmapSelection_;
  std::optional<win32::SelectObjectGuard> fontSelection_;
  UINT dpi_ = 0;
  int widthPixels_ = 0;
  int heightPixels_ = 0;
  bool userScale_ = false;  // until Scale is called the scale is in pixels
};

}  // namespace mirel
