// picPrev and picNext on Win32: a box in a top corner of the calendar window, in the colour of the
// heading band (blue in the design), with an arrow icon at its top left. A click inside it
// (pressed and released there) steps the month; the focus it gets on the way it hands on to the
// grid, through the calendar window's events.
#pragma once

#include <windows.h>

#include "calendar/calender_window_host.h"
#include "calendar/picture_box_window_win.h"
#include "components/win32/unique_handle.h"

namespace mirel {

class CalenderArrowBox final : public PictureBoxWindow {
 public:
  // frmCalender's picPrev_ or picNext_ events, as the calendar window runs them.
  class Events {
   public:
    virtual void ArrowClicked(CalenderPicture box) = 0;
    virtual void ArrowGotFocus(CalenderPicture box) = 0;

   protected:
    ~Events() = default;
  };

  // `box` is kPrev or kNext, the name the events carry; `iconId` the arrow's icon resource.
  CalenderArrowBox(CalenderPicture box, WORD iconId, Events& events)
      : box_(box), iconId_(iconId), events_(events) {}

  // Creates the box as child `id` of `parent`; throws RunTimeError when it cannot.
  void Create(HWND parent, int id);

 private:
  // PictureBoxWindow
  void Paint(HDC dc) override;
  LRESULT OnBoxMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnButtonUp(LPARAM lParam);
  // The arrow at the window's DPI, loaded at the first paint at that DPI; null when it cannot be.
  HICON Icon(int sizePixels);

  const CalenderPicture box_;
  const WORD iconId_;
  Events& events_;
  win32::UniqueHicon icon_;
  int iconPixels_ = 0;  // the size icon_ was loaded at
};

}  // namespace mirel
