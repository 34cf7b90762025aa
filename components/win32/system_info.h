// What the running Windows is and what its user has set, for the choices that follow the system
// (dark mode, the taskbar's labels).
// Example: RunningWindowsVersion()->build is 22631 on Windows 11 23H2.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace mirel::win32 {

struct WindowsVersion {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;
};

// Windows 11 reports itself as version 10.0 and is told apart by its builds, from this one on.
inline constexpr std::uint32_t kFirstWindows11Build = 22000;

// The version the system really is (GetVersionExW tells a program the newest version its manifest
// names instead); none where the system cannot be asked. Read once: it does not change in a run.
std::optional<WindowsVersion> RunningWindowsVersion() noexcept;

// A DWORD value under HKEY_CURRENT_USER, read afresh at each call; none when the value is missing
// or of another type.
std::optional<std::uint32_t> CurrentUserDword(const wchar_t* key, const wchar_t* name) noexcept;

}  // namespace mirel::win32
