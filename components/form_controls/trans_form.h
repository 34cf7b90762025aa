// TransForm: a window-level control that carries the `inborder` setting. It keeps the window
// exactly as its border style makes it: nothing is drawn over it and no region is cut from it.
// With `inborder` set, as on the clock window, the window's content stays inside its border,
// which an ordinary window does anyway; so the control needs no action of its own.
#pragma once

namespace mirel {

class TransForm {
 public:
  explicit TransForm(bool inborder = true) : inborder_(inborder) {}
  bool inborder() const { return inborder_; }

 private:
  bool inborder_;
};

}  // namespace mirel
