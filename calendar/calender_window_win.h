// The calendar window on Win32: a sizable top-level window without owner holding three child
// picture boxes, the grid (picCalender) and the two arrow boxes (picPrev, picNext), each a class
// of its own whose events this window hands to frmCalender's handlers once the load sequence has
// run. The frmCalender object lives as long as the program, so its holiday list and its
// FormState survive a close; the windows themselves are made anew at each load.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "calendar/calender_arrow_box_win.h"
#include "calendar/calender_grid_win.h"
#include "calendar/calender_window_host.h"
#include "calendar/frm_calender.h"
#include "components/settings/registry_store.h"
#include "components/win32/bound_window.h"
#include "components/win32/dpi.h"
#include "resources/resource_ids.h"

namespace mirel {

class CalenderWindow final : public CalenderWindowHost,
                             private win32::BoundWindow,
                             private CalenderGrid::Events,
                             private CalenderArrowBox::Events {
 public:
  CalenderWindow();

  // Loads the window, or brings it forward when it is open (ShowCalenderWindow).
  void Show();

  // CalenderWindowHost
  std::string FormName() const override { return "frmCalender"; }
  FormRect Bounds() const override;
  void SetBounds(const FormRect& rect) override;
  FormRect DesignBounds() const override;
  bool IsOnAnyMonitor(const FormRect& rect) const override;
  void SetUnloadHandler(std::function<void()> handler) override {
    unloadHandler_ = std::move(handler);
  }
  void SetCaption(std::string_view caption) override;
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  void MovePicture(CalenderPicture picture, double left, double top, double width,
                   double height) override;
  void SetFocus(CalenderPicture picture) override;
  Palette CurrentPalette() const override;

 private:
  // BoundWindow
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  // CalenderGrid::Events
  bool GridPaint() override;
  void GridResized() override;
  void GridKeyDown(int keyCode) override;
  // CalenderArrowBox::Events
  void ArrowClicked(CalenderPicture box) override;
  void ArrowGotFocus(CalenderPicture box) override;

  void Load();
  void CreatePictures();
  // Runs a handler of the form once the load sequence has run, and shows what it drew at once.
  template <typename Handler>
  void RunAndPresent(Handler&& handler) {
    if (loaded_) {
      RunHandler(std::forward<Handler>(handler));
      picCalender_.Present();
    }
  }
  HWND PictureWindow(CalenderPicture picture) const;
  RECT OuterRect(const FormRect& client) const;
  UINT Dpi() const { return win32::WindowDpi(Handle()); }
  RECT ClientRect() const;

  RegistryStore settings_;
  CalenderGrid picCalender_{*this};
  CalenderArrowBox picPrev_{CalenderPicture::kPrev, IDI_ARROW_PREV, *this};
  CalenderArrowBox picNext_{CalenderPicture::kNext, IDI_ARROW_NEXT, *this};
  frmCalender form_;
  bool loaded_ = false;  // the load sequence has run: the handlers may be called
  std::function<void()> unloadHandler_;
};

}  // namespace mirel
