#include "components/win32/dpi.h"

#include <cmath>

#include "components/win32/unique_handle.h"

namespace mirel::win32 {
namespace {

template <typename Function>
Function User32Function(const char* name) {
  const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
  return user32 == nullptr
             ? nullptr
             : reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(user32, name)));
}

}  // namespace

UINT SystemDpi() {
  WindowDcGuard screen(nullptr);
  const int dpi = screen.Dc() != nullptr ? ::GetDeviceCaps(screen.Dc(), LOGPIXELSX) : 0;
  return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

UINT WindowDpi(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (window != nullptr && getDpiForWindow != nullptr) {
    if (const UINT dpi = getDpiForWindow(window); dpi != 0) {
      return dpi;
    }
  }
  return SystemDpi();
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) {
  using AdjustFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = User32Function<AdjustFunction>("AdjustWindowRectExForDpi");
  if (adjust != nullptr) {
    adjust(&rect, style, FALSE, exStyle, dpi);
  } else {
    ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  }
}

int SystemMetricForDpi(int index, UINT dpi) {
  using MetricFunction = int(WINAPI*)(int, UINT);
  static const auto metricForDpi = User32Function<MetricFunction>("GetSystemMetricsForDpi");
  return metricForDpi != nullptr ? metricForDpi(index, dpi) : ::GetSystemMetrics(index);
}

int TwipsToPixels(double twips, UINT dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

double PixelsToTwips(double pixels, UINT dpi) {
  return pixels * kTwipsPerInch / dpi;
}

}  // namespace mirel::win32
