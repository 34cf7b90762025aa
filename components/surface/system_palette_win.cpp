#include "components/surface/system_palette_win.h"

#include <windows.h>

#include "components/look/system_look_win.h"

namespace mirel {
namespace {

// GetSysColor's index of each SystemColour, in that order.
constexpr int kSystemColourIndex[kSystemColourCount] = {COLOR_WINDOW,    COLOR_WINDOWTEXT,
                                                        COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT,
                                                        COLOR_HOTLIGHT,  COLOR_GRAYTEXT};

SystemColours ReadSystemColours() noexcept {
  SystemColours colours{};
  for (std::size_t i = 0; i < kSystemColourCount; ++i) {
    colours[i] = ::GetSysColor(kSystemColourIndex[i]);
  }
  return colours;
}

}  // namespace

Palette SystemPalette() noexcept {
  const Look look = ChooseLook(ReadLookSettings());
  return PaletteFor(look, look == Look::kHighContrast ? ReadSystemColours() : SystemColours{});
}

}  // namespace mirel
