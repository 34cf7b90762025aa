// The drawing surface of a picture box, in the picture box's own terms: a user scale, a pen
// position, a back and a text colour, the weight and the size of the text. The calendar draws on
// it; gdi_surface_win.cpp puts it on the screen, recording_surface.h records it for tests, the
// terminal view prints it.
#pragma once

#include <cstdint>
#include <string_view>

namespace mirel {

using Color = std::uint32_t;  // 0xBBGGRR, blue in the high byte
constexpr Color Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return Color{red} | Color{green} << 8 | Color{blue} << 16;
}
inline constexpr Color kRed = 0x0000FF;
inline constexpr Color kBlue = 0xFF0000;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kBlack = 0x000000;

inline constexpr int kDrawModeCopyPen = 13;

enum class LineKind { kBox, kFilledBox };

// The surface's own text size, or the smaller one of short notes beside a day's number (on
// screen about three quarters of the other's height; a terminal cell has one size only).
enum class FontSize { kRegular, kSmall };

class Surface {
 public:
  virtual ~Surface() = default;

  // Fills the surface with its back colour; the pen goes to (0, 0) of the current scale.
  virtual void Cls() = 0;
  // The colour the next Cls fills with.
  virtual void SetBackColor(Color color) = 0;
  // The inner top-left corner becomes (x1, y1), the inner bottom-right corner (x2, y2).
  virtual void Scale(double x1, double y1, double x2, double y2) = 0;
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  virtual void SetDrawMode(int mode) = 0;
  // The outline or the filled rectangle with these opposite corners; the pen ends at (x2, y2).
  virtual void Line(double x1, double y1, double x2, double y2, Color color, LineKind kind) = 0;
  virtual double CurrentX() const = 0;
  virtual double CurrentY() const = 0;
  virtual void SetCurrentX(double x) = 0;
  virtual void SetCurrentY(double y) = 0;
  virtual void SetForeColor(Color color) = 0;
  virtual void SetFontBold(bool bold) = 0;
  virtual void SetFontSize(FontSize size) = 0;
  // One line of text in the current font, size and weight, in user units.
  virtual double TextWidth(std::string_view text) const = 0;
  virtual double TextHeight(std::string_view text) const = 0;
  // Draws text at the pen in ForeColor with no background, then ends the line: the pen moves to
  // x = the scale's left edge and y = old y + the height of one text line.
  virtual void Print(std::string_view text) = 0;
  // Draws text on the pen's line so that it ends at x = right, in ForeColor with no background.
  // The pen stays where it is, so a row of such texts sets its line once.
  virtual void PrintRightAligned(std::string_view text, double right) = 0;
};

}  // namespace mirel
