// The day icon's numeral in a font (day_icon_win.h), for the sizes where a font stays legible:
// bold, its digits' ink as tall as the numeral's box (smaller where two digits would be wider than
// the box) and centred on it.
#pragma once

#include <windows.h>

#include "clock/day_page.h"

namespace mirel {

// Draws `day` in the numeral's colour on `dc`, whose background it leaves as it is.
void DrawFontNumeral(HDC dc, int day, const PixelRect& box);

}  // namespace mirel
