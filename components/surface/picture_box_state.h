// What every drawing surface with the picture box's semantics keeps alike: the user scale, the
// pen position, the back and text colours, the weight and the text size. The GDI and terminal
// surfaces derive from it and only draw; the recording surface keeps its own, since it records
// each of these calls.
#pragma once

#include "components/surface/surface.h"

namespace mirel {

class PictureBoxState : public Surface {
 public:
  // Until Scale is called, (0, 0)-(initialX2, initialY2): pixels, cells or whatever the
  // surface counts in.
  PictureBoxState(double initialX2, double initialY2, Color backColor)
      : scaleX2_(initialX2), scaleY2_(initialY2), backColor_(backColor) {}

  void Scale(double x1, double y1, double x2, double y2) override {
    scaleX1_ = x1;
    scaleY1_ = y1;
    scaleX2_ = x2;
    scaleY2_ = y2;
  }
  double ScaleWidth() const override { return scaleX2_ - scaleX1_; }
  double ScaleHeight() const override { return scaleY2_ - scaleY1_; }
  double CurrentX() const override { return currentX_; }
  double CurrentY() const override { return currentY_; }
  void SetCurrentX(double x) override { currentX_ = x; }
  void SetCurrentY(double y) override { currentY_ = y; }
  void SetBackColor(Color color) override { backColor_ = color; }
  void SetForeColor(Color color) override { foreColor_ = color; }
  void SetFontBold(bool bold) override { bold_ = bold; }
  void SetFontSize(FontSize size) override { fontSize_ = size; }

 protected:
  // The pen back at the scale's top-left corner, as Cls leaves it.
  void HomePen() {
    currentX_ = scaleX1_;
    currentY_ = scaleY1_;
  }

  double scaleX1_ = 0, scaleY1_ = 0, scaleX2_, scaleY2_;
  double currentX_ = 0, currentY_ = 0;
  Color backColor_;
  Color foreColor_ = kBlack;
  bool bold_ = false;
  FontSize fontSize_ = FontSize::kRegular;
};

}  // namespace mirel
