#include "components/look/system_look_win.h"

#include <windows.h>

#include "components/win32/system_info.h"

namespace mirel {
namespace {

constexpr wchar_t kPersonalizeKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

bool HighContrastOn() noexcept {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

LookSettings ReadLookSettings() noexcept {
  const auto version = win32::RunningWindowsVersion();
  return {.windowsBuild = version ? version->build : 0,
          .appsUseLightTheme = win32::CurrentUserDword(kPersonalizeKey, L"AppsUseLightTheme"),
          .highContrast = HighContrastOn()};
}

}  // namespace mirel
