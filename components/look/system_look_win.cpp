#include "components/look/system_look_win.h"

#include <windows.h>

namespace mirel {
namespace {

constexpr wchar_t kPersonalizeKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

// The build as it is: GetVersionExW tells a program whose manifest does not name the running
// Windows an older version. ntdll is in every process from its start, so asking it loads nothing.
std::uint32_t WindowsBuild() noexcept {
  static const std::uint32_t build = [] {
    using GetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    const auto getVersion = ntdll == nullptr
                                ? nullptr
                                : reinterpret_cast<GetVersionFunction>(reinterpret_cast<void (*)()>(
                                      ::GetProcAddress(ntdll, "RtlGetVersion")));
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    return getVersion != nullptr && getVersion(&version) == 0
               ? static_cast<std::uint32_t>(version.dwBuildNumber)
               : std::uint32_t{0};
  }();
  return build;
}

std::optional<std::uint32_t> AppsUseLightTheme() noexcept {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (::RegGetValueW(HKEY_CURRENT_USER, kPersonalizeKey, L"AppsUseLightTheme", RRF_RT_REG_DWORD,
                     nullptr, &value, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

bool HighContrastOn() noexcept {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

LookSettings ReadLookSettings() noexcept {
  return {.windowsBuild = WindowsBuild(),
          .appsUseLightTheme = AppsUseLightTheme(),
          .highContrast = HighContrastOn()};
}

}  // namespace mirel
