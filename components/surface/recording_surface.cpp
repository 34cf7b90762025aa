#include "components/surface/recording_surface.h"

#include <utility>

#include "components/errors.h"

namespace mirel {

namespace {

double TextPixels(std::string_view text, bool bold) {
  double pixels = 0;
  for (unsigned char c : text) {
    if (c < 0x80) {
      pixels += bold ? 8 : 7;
    } else if (c >= 0xC0) {  // the lead byte of a multi-byte character
      pixels += bold ? 15 : 14;
    }
  }
  return pixels;
}

double LinePixels(bool bold) {
  return bold ? 16 : 14;
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
  {
    DrawOp op;
    op.kind = DrawOpKind::kCls;
    Record(std::move(op));
  }
  currentX_ = scaleX1_;
  currentY_ = scaleY1_;
}

void RecordingSurface::Scale(double x1, double y1, double x2, double y2) {
  {
    DrawOp op;
    op.kind = DrawOpKind::kScale;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    Record(std::move(op));
  }
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
  {
    DrawOp op;
    op.kind = DrawOpKind::kDrawMode;
    op.mode = mode;
    Record(std::move(op));
  }
  drawMode_ = mode;
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2, Color color,
                            LineKind kind) {
  {
    DrawOp op;
    op.kind = DrawOpKind::kLine;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = color;
    op.lineKind = kind;
    Record(std::move(op));
  }
  currentX_ = x2;
  currentY_ = y2;
}

void RecordingSurface::SetCurrentX(double x) {
  {
    DrawOp op;
    op.kind = DrawOpKind::kSetCurrentX;
    op.x1 = x;
    Record(std::move(op));
  }
  currentX_ = x;
}

void RecordingSurface::SetCurrentY(double y) {
  {
    DrawOp op;
    op.kind = DrawOpKind::kSetCurrentY;
    op.y1 = y;
    Record(std::move(op));
  }
  currentY_ = y;
}

void RecordingSurface::SetForeColor(Color color) {
  {
    DrawOp op;
    op.kind = DrawOpKind::kSetForeColor;
    op.color = color;
    Record(std::move(op));
  }
  foreColor_ = color;
}

void RecordingSurface::SetFontBold(bool bold) {
  {
    DrawOp op;
    op.kind = DrawOpKind::kSetFontBold;
    op.bold = bold;
    Record(std::move(op));
  }
  bold_ = bold;
}

double RecordingSurface::TextWidth(std::string_view text) const {
  {
    DrawOp op;
    op.kind = DrawOpKind::kTextWidth;
    op.text = std::string(text);
    op.bold = bold_;
    Record(std::move(op));
  }
  return TextPixels(text, bold_) * UnitsPerPixelX();
}

double RecordingSurface::TextHeight(std::string_view text) const {
  {
    DrawOp op;
    op.kind = DrawOpKind::kTextHeight;
    op.text = std::string(text);
    op.bold = bold_;
    Record(std::move(op));
  }
  return LinePixels(bold_) * UnitsPerPixelY();
}

void RecordingSurface::Print(std::string_view text) {
  {
    DrawOp op;
    op.kind = DrawOpKind::kPrint;
    op.text = std::string(text);
    op.x1 = currentX_;
    op.y1 = currentY_;
    op.color = foreColor_;
    op.bold = bold_;
    Record(std::move(op));
  }
  currentX_ = scaleX1_;
  currentY_ += LinePixels(bold_) * UnitsPerPixelY();
}

}  // namespace mirel
