#include "tests/support/recording_surface.h"

#include <utility>

#include "components/errors.h"

// Each call below names only the DrawOp members it fills; the others keep their default
// initializers, which GCC 12 nevertheless reports as missing.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace mirel {

namespace {

double TextPixels(std::string_view text, bool bold, FontSize size) {
  const bool small = size == FontSize::kSmall;
  double pixels = 0;
  for (unsigned char c : text) {
    if (c < 0x80) {
      pixels += (small ? 5 : 7) + (bold ? 1 : 0);
    } else if (c >= 0xC0) {  // the lead byte of a multi-byte character
      pixels += (small ? 10 : 14) + (bold ? 1 : 0);
    }
  }
  return pixels;
}

double LinePixels(bool bold, FontSize size) {
  return (size == FontSize::kSmall ? 10 : 14) + (bold ? 2 : 0);
}

}  // namespace

RecordingSurface::RecordingSurface(double widthPixels, double heightPixels)
    : widthPixels_(widthPixels),
      heightPixels_(heightPixels),
      scaleX2_(widthPixels),
      scaleY2_(heightPixels) {}

void RecordingSurface::Record(DrawOp op) const {
  if (failArmed_ && op.kind == failKind_) {
    if (failSkip_ == 0) {
      failArmed_ = false;
      throw RunTimeError(ErrorNumber::kInvalidArgument, "recording surface: injected failure");
    }
    --failSkip_;
  }
  ops_.push_back(std::move(op));
}

void RecordingSurface::FailOn(DrawOpKind kind, int skip) {
  failArmed_ = true;
  failKind_ = kind;
  failSkip_ = skip;
}

std::vector<DrawOp> RecordingSurface::OpsOf(DrawOpKind kind) const {
  std::vector<DrawOp> result;
  for (const DrawOp& op : ops_) {
    if (op.kind == kind) {
      result.push_back(op);
    }
  }
  return result;
}

void RecordingSurface::Cls() {
  Record({.kind = DrawOpKind::kCls, .color = backColor_});
  currentX_ = scaleX1_;
  currentY_ = scaleY1_;
}

void RecordingSurface::Scale(double x1, double y1, double x2, double y2) {
  Record({.kind = DrawOpKind::kScale, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2});
  scaleX1_ = x1;
  scaleY1_ = y1;
  scaleX2_ = x2;
  scaleY2_ = y2;
}

double RecordingSurface::ScaleWidth() const {
  return scaleX2_ - scaleX1_;
}

double RecordingSurface::ScaleHeight() const {
  return scaleY2_ - scaleY1_;
}

void RecordingSurface::SetDrawMode(int mode) {
  Record({.kind = DrawOpKind::kDrawMode, .mode = mode});
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2, Color color,
                            LineKind kind) {
  Record({.kind = DrawOpKind::kLine,
          .x1 = x1,
          .y1 = y1,
          .x2 = x2,
          .y2 = y2,
          .color = color,
          .lineKind = kind});
  currentX_ = x2;
  currentY_ = y2;
}

void RecordingSurface::SetCurrentX(double x) {
  Record({.kind = DrawOpKind::kSetCurrentX, .x1 = x});
  currentX_ = x;
}

void RecordingSurface::SetCurrentY(double y) {
  Record({.kind = DrawOpKind::kSetCurrentY, .y1 = y});
  currentY_ = y;
}

void RecordingSurface::SetBackColor(Color color) {
  Record({.kind = DrawOpKind::kSetBackColor, .color = color});
  backColor_ = color;
}

void RecordingSurface::SetForeColor(Color color) {
  Record({.kind = DrawOpKind::kSetForeColor, .color = color});
  foreColor_ = color;
}

void RecordingSurface::SetFontBold(bool bold) {
  Record({.kind = DrawOpKind::kSetFontBold, .bold = bold});
  bold_ = bold;
}

void RecordingSurface::SetFontSize(FontSize size) {
  Record({.kind = DrawOpKind::kSetFontSize, .size = size});
  size_ = size;
}

double RecordingSurface::TextWidth(std::string_view text) const {
  Record({.kind = DrawOpKind::kTextWidth, .text = std::string(text), .bold = bold_, .size = size_});
  return TextPixels(text, bold_, size_) * UnitsPerPixelX();
}

double RecordingSurface::TextHeight(std::string_view text) const {
  Record(
      {.kind = DrawOpKind::kTextHeight, .text = std::string(text), .bold = bold_, .size = size_});
  return LinePixels(bold_, size_) * UnitsPerPixelY();
}

void RecordingSurface::Print(std::string_view text) {
  Record({.kind = DrawOpKind::kPrint,
          .text = std::string(text),
          .x1 = currentX_,
          .y1 = currentY_,
          .color = foreColor_,
          .bold = bold_,
          .size = size_});
  currentX_ = scaleX1_;
  currentY_ += LinePixels(bold_, size_) * UnitsPerPixelY();
}

void RecordingSurface::PrintRightAligned(std::string_view text, double right) {
  Record({.kind = DrawOpKind::kPrintRightAligned,
          .text = std::string(text),
          .x1 = currentX_,
          .y1 = currentY_,
          .x2 = right,
          .color = foreColor_,
          .bold = bold_,
          .size = size_});
}

}  // namespace mirel
