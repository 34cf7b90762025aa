// The look the system asks for and the calendar's colours in each: the light palette is the
// design's to the colour, the dark one reads on its ground, high contrast is the user's colours.
#include "components/surface/palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace mirel {
namespace {

TEST(LookTest, HighContrastFirstThenDarkAppsFromWindows10Of1809) {
  struct Case {
    std::uint32_t build;
    std::optional<std::uint32_t> appsUseLightTheme;
    bool highContrast;
    Look look;
    std::uint32_t titleBarAttribute;
  };
  const Case cases[] = {
      {7601, 0, false, Look::kLight, 0},   // Windows 7: a value set by hand changes nothing
      {17134, 0, false, Look::kLight, 0},  // 1803: dark apps were store apps only
      {17763, 0, false, Look::kDark, 19},
      {18984, 0, false, Look::kDark, 19},
      {18985, 0, false, Look::kDark, 20},
      {22631, 0, false, Look::kDark, 20},
      {22631, 1, false, Look::kLight, 20},
      {22631, 2, false, Look::kLight, 20},
      {22631, std::nullopt, false, Look::kLight, 20},
      {22631, 0, true, Look::kHighContrast, 20},
      {7601, std::nullopt, true, Look::kHighContrast, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.build << " " << c.appsUseLightTheme.value_or(99) << " " << c.highContrast);
    EXPECT_EQ(ChooseLook({c.build, c.appsUseLightTheme, c.highContrast}), c.look);
    EXPECT_EQ(DarkTitleBarAttribute(c.build), c.titleBarAttribute);
  }
}

// WCAG 2: relative luminance and the contrast ratio of two colours.
double Luminance(Color colour) {
  double sum = 0;
  const double weights[] = {0.2126, 0.7152, 0.0722};  // red, green, blue
  for (int channel = 0; channel < 3; ++channel) {
    const double value = ((colour >> (8 * channel)) & 0xFF) / 255.0;
    sum += weights[channel] *
           (value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4));
  }
  return sum;
}

double Contrast(Color a, Color b) {
  const auto [darker, lighter] = std::minmax({Luminance(a), Luminance(b)});  // by value
  return (lighter + 0.05) / (darker + 0.05);
}

enum class Hue { kAny, kRed, kBlue };

// Whether the hue's channel leads both others clearly, so a red stays a red when lightened.
bool HasHue(Color colour, Hue hue) {
  const int red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
  switch (hue) {
    case Hue::kRed:
      return red >= std::max(green, blue) + 0x40;
    case Hue::kBlue:
      return blue >= std::max(red, green) + 0x40;
    case Hue::kAny:
      break;
  }
  return true;
}

TEST(PaletteTest, EveryRoleInEveryLook) {
  using enum ColourRole;
  using enum SystemColour;
  struct Case {
    ColourRole role;
    Color light;
    std::optional<ColourRole> readsOn;  // in dark, at a contrast of 4.5:1 or more
    Hue hue;                            // kept in dark
    SystemColour highContrast;
  };
  const Case cases[] = {
      {kBackground, kWhite, std::nullopt, Hue::kAny, kWindow},
      {kText, kBlack, kBackground, Hue::kAny, kWindowText},
      {kSecondaryText, Rgb(0x60, 0x60, 0x60), kBackground, Hue::kAny, kGrayText},
      {kSunday, kRed, kBackground, Hue::kRed, kHotLight},
      {kSaturday, kBlue, kBackground, Hue::kBlue, kWindowText},
      {kHoliday, kRed, kBackground, Hue::kRed, kHotLight},
      {kHeadingBand, kBlue, std::nullopt, Hue::kBlue, kHighlight},
      {kHeadingText, kWhite, kHeadingBand, Hue::kAny, kHighlightText},
      {kHeadingSunday, kRed, kHeadingBand, Hue::kRed, kHighlightText},
      {kTodayFrame, kRed, kBackground, Hue::kRed, kHighlight},
      {kTodayText, kRed, kBackground, Hue::kRed, kWindowText},
  };
  ASSERT_EQ(std::size(cases), kColourRoleCount);
  SystemColours system{};
  for (std::size_t i = 0; i < kSystemColourCount; ++i) {
    system[i] = 0x102030 + static_cast<Color>(i);  // each its own
  }
  const Palette light = PaletteFor(Look::kLight, system);
  const Palette dark = PaletteFor(Look::kDark, system);
  const Palette highContrast = PaletteFor(Look::kHighContrast, system);
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.role));
    EXPECT_EQ(light[c.role], c.light);
    EXPECT_EQ(highContrast[c.role], system[static_cast<std::size_t>(c.highContrast)]);
    EXPECT_TRUE(HasHue(dark[c.role], c.hue)) << std::hex << dark[c.role];
    if (c.readsOn) {
      EXPECT_GE(Contrast(dark[c.role], dark[*c.readsOn]), 4.5) << std::hex << dark[c.role];
    }
  }
  // A dark ground, and a band that stands apart from it.
  EXPECT_LT(Luminance(dark[kBackground]), 0.05);
  EXPECT_GE(Contrast(dark[kHeadingBand], dark[kBackground]), 1.5);
}

}  // namespace
}  // namespace mirel
