// Dots per inch and the twips (1/1440 inch) the windows are designed in. The program is per-monitor
// DPI aware; the per-monitor functions exist from Windows 10 1607 on, and older systems get the
// system DPI.
// Example: at 144 dpi, TwipsToPixels(1605, 144) == 161 (107 pixels at 96 dpi, scaled by 1.5).
#pragma once

#include <windows.h>

namespace mirel::win32 {

inline constexpr int kTwipsPerInch = 1440;

UINT SystemDpi();
// The DPI of the window's monitor; the system DPI where that cannot be known.
UINT WindowDpi(HWND window);
// AdjustWindowRectEx at the given DPI: the window rectangle around a client rectangle.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);
// GetSystemMetrics at the given DPI (SM_CXSMICON for a window's small icon there); the system
// DPI's value before Windows 10 1607.
int SystemMetricForDpi(int index, UINT dpi);

// Rounded to the nearest pixel.
int TwipsToPixels(double twips, UINT dpi);
double PixelsToTwips(double pixels, UINT dpi);

}  // namespace mirel::win32
