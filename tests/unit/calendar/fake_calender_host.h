// A calendar window host in memory: remembers the caption, the placements, the focus.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "calendar/calender_window_host.h"
#include "components/errors.h"

namespace mirel {

struct Placement {
  double left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Placement&) const = default;
};

class FakeCalenderHost : public CalenderWindowHost {
 public:
  std::string FormName() const override { return "frmCalender"; }
  FormRect Bounds() const override { return bounds; }
  void SetBounds(const FormRect& rect) override { bounds = rect; }
  FormRect DesignBounds() const override { return {11175, 7980, 3525, 2685}; }
  bool IsOnAnyMonitor(const FormRect& rect) const override {
    return rect.left < 15360 && rect.top < 11520 && rect.left + rect.width > 0 &&
           rect.top + rect.height > 0;
  }
  void SetUnloadHandler(std::function<void()> handler) override { unload = std::move(handler); }

  void SetCaption(std::string_view text) override {
    caption = text;
    ++captions;
  }
  double ScaleWidth() const override { return bounds.width; }
  double ScaleHeight() const override { return bounds.height; }
  void MovePicture(CalenderPicture picture, double left, double top, double width,
                   double height) override {
    if (width < 0 || height < 0) {
      throw RunTimeError(ErrorNumber::kInvalidArgument, "negative size");
    }
    placements[picture] = {left, top, width, height};
  }
  void SetFocus(CalenderPicture picture) override { focus = picture; }
  Palette CurrentPalette() const override { return palette; }

  FormRect bounds{11175, 7980, 3525, 2685};
  std::function<void()> unload;
  std::string caption;
  int captions = 0;
  std::map<CalenderPicture, Placement> placements;
  std::optional<CalenderPicture> focus;
  Palette palette = PaletteFor(Look::kLight);
};

}  // namespace mirel
