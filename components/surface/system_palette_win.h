// The palette of the system's current look, read afresh at each call, so a window that asks at
// each paint follows a switch of dark mode or high contrast by its next paint.
#pragma once

#include "components/surface/palette.h"

namespace mirel {

Palette SystemPalette() noexcept;

}  // namespace mirel
