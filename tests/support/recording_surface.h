// A surface that draws nothing and remembers every call, with simple made-up font metrics, so
// tests can check what was drawn, where, in which colour and weight, and in which order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "components/surface/surface.h"

namespace mirel {

enum class DrawOpKind {
  kCls,
  kScale,
  kDrawMode,
  kLine,
  kPrint,
  kPrintRightAligned,
  kSetCurrentX,
  kSetCurrentY,
  kSetBackColor,
  kSetForeColor,
  kSetFontBold,
  kSetFontSize,
  kTextWidth,
  kTextHeight,
};

struct DrawOp {
  DrawOpKind kind = DrawOpKind::kCls;
  std::string text;  // kPrint*, kTextWidth, kTextHeight
  // kScale and kLine: the corners; kPrint: the pen before printing; kPrintRightAligned: the pen
  // and the right end in x2; kSetCurrentX: x1; kSetCurrentY: y1.
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Color color = 0;    // kLine, kSet*Color, BackColor at kCls and ForeColor at kPrint*
  bool bold = false;  // kSetFontBold, and the weight at kPrint*/kText*
  FontSize size = FontSize::kRegular;  // kSetFontSize, and the size at kPrint*/kText*
  LineKind lineKind = LineKind::kBox;  // kLine
  int mode = 0;                        // kDrawMode
};

// Metrics: every ASCII byte is 7 pixels wide, every other character 14, in a line 14 pixels high;
// small text 5, 10 and 10. Bold adds 1 pixel per character and 2 to the line, so a measurement
// taken in the wrong weight or size shows up in the pen positions.
class RecordingSurface : public Surface {
 public:
  explicit RecordingSurface(double widthPixels = 700, double heightPixels = 490);

  void Cls() override;
  void Scale(double x1, double y1, double x2, double y2) override;
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  void SetDrawMode(int mode) override;
  void Line(double x1, double y1, double x2, double y2, Color color, LineKind kind) override;
  double CurrentX() const override { return currentX_; }
  double CurrentY() const override { return currentY_; }
  void SetCurrentX(double x) override;
  void SetCurrentY(double y) override;
  void SetBackColor(Color color) override;
  void SetForeColor(Color color) override;
  void SetFontBold(bool bold) override;
  void SetFontSize(FontSize size) override;
  double TextWidth(std::string_view text) const override;
  double TextHeight(std::string_view text) const override;
  void Print(std::string_view text) override;
  void PrintRightAligned(std::string_view text, double right) override;

  const std::vector<DrawOp>& Ops() const { return ops_; }
  std::vector<DrawOp> OpsOf(DrawOpKind kind) const;
  void ClearOps() { ops_.clear(); }
  // The next call of this kind after `skip` more such calls throws RunTimeError instead of
  // acting, as a failing platform call would.
  void FailOn(DrawOpKind kind, int skip = 0);

 private:
  void Record(DrawOp op) const;
  double UnitsPerPixelX() const { return (scaleX2_ - scaleX1_) / widthPixels_; }
  double UnitsPerPixelY() const { return (scaleY2_ - scaleY1_) / heightPixels_; }

  double widthPixels_;
  double heightPixels_;
  double scaleX1_ = 0, scaleY1_ = 0, scaleX2_, scaleY2_;
  double currentX_ = 0, currentY_ = 0;
  Color backColor_ = kWhite;
  Color foreColor_ = kBlack;
  bool bold_ = false;
  FontSize size_ = FontSize::kRegular;
  mutable std::vector<DrawOp> ops_;
  mutable bool failArmed_ = false;
  mutable DrawOpKind failKind_ = DrawOpKind::kCls;
  mutable int failSkip_ = 0;
};

}  // namespace mirel
