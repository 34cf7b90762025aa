// What frmCalender needs of the window that shows it: the caption, the inner size, the three
// picture boxes' placement and focus, the colours of the system's look. The Win32 window
// implements it; tests use a fake.
#pragma once

#include <string_view>

#include "components/form_controls/form_state.h"
#include "components/surface/palette.h"

namespace mirel {

enum class CalenderPicture { kCalender, kPrev, kNext };

class CalenderWindowHost : public FormStateWindow {
 public:
  virtual void SetCaption(std::string_view caption) = 0;
  // The window's inner area in twips.
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  // Places a picture box, in twips; throws RunTimeError when the platform refuses (a negative
  // width, for one).
  virtual void MovePicture(CalenderPicture picture, double left, double top, double width,
                           double height) = 0;
  virtual void SetFocus(CalenderPicture picture) = 0;
  // The colours to draw in, asked at each drawing: the user may switch the look at any time.
  virtual Palette CurrentPalette() const = 0;
};

}  // namespace mirel
