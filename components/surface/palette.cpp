#include "components/surface/palette.h"

namespace mirel {
namespace {

struct RoleColours {
  ColourRole role;
  Color light;
  Color dark;
  SystemColour highContrast;
};

// Dark: a near-black ground as dark-mode programs use, light text, the design's red and blue
// lightened until each reads on that ground at a contrast of 4.5:1 or more, and a blue band dark
// enough for white names, a pink 日 and the light half of the arrows.
// High contrast: the user's window colours for the grid, the selection colours for the band and
// the frame, the link colour for Sundays and holidays; they stay apart without colour too, in
// bold like Saturdays, and a holiday carries its name.
constexpr RoleColours kRoles[] = {
    {ColourRole::kBackground, kWhite, Rgb(0x20, 0x20, 0x20), SystemColour::kWindow},
    {ColourRole::kText, kBlack, Rgb(0xF0, 0xF0, 0xF0), SystemColour::kWindowText},
    {ColourRole::kSecondaryText, Rgb(0x60, 0x60, 0x60), Rgb(0xB0, 0xB0, 0xB0),
     SystemColour::kGrayText},
    {ColourRole::kSunday, kRed, Rgb(0xFF, 0x70, 0x70), SystemColour::kHotLight},
    {ColourRole::kSaturday, kBlue, Rgb(0x70, 0xA8, 0xFF), SystemColour::kWindowText},
    {ColourRole::kHoliday, kRed, Rgb(0xFF, 0x70, 0x70), SystemColour::kHotLight},
    {ColourRole::kHeadingBand, kBlue, Rgb(0x1F, 0x3F, 0x7F), SystemColour::kHighlight},
    {ColourRole::kHeadingText, kWhite, kWhite, SystemColour::kHighlightText},
    {ColourRole::kHeadingSunday, kRed, Rgb(0xFF, 0xB0, 0xB0), SystemColour::kHighlightText},
    {ColourRole::kTodayFrame, kRed, Rgb(0xFF, 0x70, 0x70), SystemColour::kHighlight},
    {ColourRole::kTodayText, kRed, Rgb(0xFF, 0x70, 0x70), SystemColour::kWindowText},
};

constexpr bool InRoleOrder() {
  std::size_t index = 0;
  for (const RoleColours& row : kRoles) {
    if (static_cast<std::size_t>(row.role) != index++) {
      return false;
    }
  }
  return index == kColourRoleCount;
}
static_assert(InRoleOrder(), "one row per role, in the order of ColourRole");

}  // namespace

Palette PaletteFor(Look look, const SystemColours& system) noexcept {
  std::array<Color, kColourRoleCount> colours{};
  for (const RoleColours& row : kRoles) {
    Color& colour = colours[static_cast<std::size_t>(row.role)];
    switch (look) {
      case Look::kLight:
        colour = row.light;
        break;
      case Look::kDark:
        colour = row.dark;
        break;
      case Look::kHighContrast:
        colour = system[static_cast<std::size_t>(row.highContrast)];
        break;
    }
  }
  return Palette(colours);
}

}  // namespace mirel
