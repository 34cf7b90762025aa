// picCalender on Win32: the calendar window's child that shows the month. It owns the picture
// box's drawing surface, which frmCalender draws on and which outlives the window, as the form
// does; the grid puts the surface on the screen and hands its events to the calendar window.
#pragma once

#include <windows.h>

#include "calendar/picture_box_window_win.h"
#include "components/surface/gdi_surface_win.h"

namespace mirel {

class CalenderGrid final : public PictureBoxWindow {
 public:
  // frmCalender's picCalender_ events, as the calendar window runs them.
  class Events {
   public:
    // Draws the picture on the surface; false while there is none to show (before the load).
    virtual bool GridPaint() = 0;
    virtual void GridResized() = 0;  // the surface has the grid's new size already
    virtual void GridKeyDown(int keyCode) = 0;

   protected:
    ~Events() = default;
  };

  explicit CalenderGrid(Events& events) : events_(events) {}

  GdiSurface& Surface() { return surface_; }
  // Creates the grid as child `id` of `parent`, its drawing state as designed, whatever the last
  // drawing left. Throws RunTimeError when it cannot.
  void Create(HWND parent, int id);
  // Puts what the last handler drew on the screen at once.
  void Present();

 private:
  // PictureBoxWindow
  void Paint(HDC dc) override;
  LRESULT OnBoxMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnSize(int widthPixels, int heightPixels);

  Events& events_;
  GdiSurface surface_{kWhite};
};

}  // namespace mirel
