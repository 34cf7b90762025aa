// The one-time word about hidden taskbar labels. Windows 10 and 11 combine taskbar buttons and
// hide their labels unless the user says otherwise, so a new user sees the clock's button as one
// more icon (with today's day on it) and never its date and time. When the clock starts on such a
// taskbar, it says once per user where the setting is; closed, the message never shows again for
// that user (kLabelTipKey = "0" among the clock's settings).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "clock/clock_platform.h"

namespace mirel {

inline constexpr char kLabelTipKey[] = "LabelTip";
inline constexpr char kLabelTipDone[] = "0";

// The message for this taskbar, or none where the caption shows already or the system has no
// such setting (before Windows 10).
std::optional<std::string> LabelTipText(WindowsGeneration windows, bool labelsHidden);

// What Windows keeps of the setting (TaskbarGlomLevel, a DWORD under
// HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced): 0 or no value combines the
// buttons and hides their labels; 1 does so when the taskbar is full, 2 never.
bool GlomLevelHidesLabels(std::optional<std::uint32_t> glomLevel);

}  // namespace mirel
