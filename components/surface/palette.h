// The calendar's colours by role, for each look (components/look/look.h): the drawing asks for a
// role, never for a colour, so one drawing serves every look. Light is the design's own colours,
// dark keeps their hues lightened to read on a dark ground, high contrast takes the user's system
// colours.
// Example: PaletteFor(Look::kLight)[ColourRole::kSunday] is kRed.
#pragma once

#include <array>
#include <cstddef>

#include "components/look/look.h"
#include "components/surface/surface.h"

namespace mirel {

enum class ColourRole {
  kBackground,     // the grid
  kText,           // the number of a plain day
  kSecondaryText,  // small text beside a number that must not outweigh it
  kSunday,
  kSaturday,
  kHoliday,        // number and name of a holiday, whatever its weekday
  kHeadingBand,    // the band of weekday names and the arrow boxes on it
  kHeadingText,    // the weekday names on the band
  kHeadingSunday,  // 日 on the band
  kTodayFrame,     // the frame on the cell of today's day number
  kTodayText,      // the 今日 line along the bottom
};
inline constexpr std::size_t kColourRoleCount = 11;

// The system colours high contrast draws with, as GetSysColor gives them (COLOR_WINDOW, ...).
enum class SystemColour { kWindow, kWindowText, kHighlight, kHighlightText, kHotLight, kGrayText };
inline constexpr std::size_t kSystemColourCount = 6;
using SystemColours = std::array<Color, kSystemColourCount>;

class Palette {
 public:
  explicit constexpr Palette(const std::array<Color, kColourRoleCount>& colours)
      : colours_(colours) {}
  constexpr Color operator[](ColourRole role) const {
    return colours_[static_cast<std::size_t>(role)];
  }
  bool operator==(const Palette&) const = default;

 private:
  std::array<Color, kColourRoleCount> colours_;
};

// The palette of `look`; `system` matters to high contrast only.
Palette PaletteFor(Look look, const SystemColours& system = {}) noexcept;

}  // namespace mirel
