// Which look the system asks of the program's windows: light (the design's own colours), dark
// (the user chose dark mode for apps, on Windows 10 1809 and later) or high contrast (the user's
// own system colours, whatever else is set). Only the decision lives here, free of Windows
// headers, so it is tested natively; system_look_win.h reads what it is decided from.
// Example: ChooseLook({.windowsBuild = 22631, .appsUseLightTheme = 0}) is Look::kDark.
#pragma once

#include <cstdint>
#include <optional>

namespace mirel {

enum class Look { kLight, kDark, kHighContrast };

// What the system says, as read from it.
struct LookSettings {
  std::uint32_t windowsBuild = 0;  // the build number; Windows 10 starts at 10240
  // The user's AppsUseLightTheme, 0 for dark apps; none when the value is missing or no DWORD.
  std::optional<std::uint32_t> appsUseLightTheme;
  bool highContrast = false;
};

Look ChooseLook(const LookSettings& settings) noexcept;

// The window attribute that makes a title bar dark on this build (DWMWA_USE_IMMERSIVE_DARK_MODE,
// which had another number before Windows 10 2004); 0 before there was one.
std::uint32_t DarkTitleBarAttribute(std::uint32_t windowsBuild) noexcept;

}  // namespace mirel
