#include "components/look/look.h"

namespace mirel {
namespace {

// Windows 10 1809: the first that draws desktop programs' windows dark on request. Earlier builds
// keep the value for store apps only, so a desktop program there stays light.
constexpr std::uint32_t kFirstDarkBuild = 17763;
// The attribute took its documented number in the builds leading to Windows 10 2004.
constexpr std::uint32_t kFirstDocumentedAttributeBuild = 18985;
constexpr std::uint32_t kAttributeBefore2004 = 19;
constexpr std::uint32_t kAttribute = 20;

}  // namespace

Look ChooseLook(const LookSettings& settings) noexcept {
  if (settings.highContrast) {
    return Look::kHighContrast;
  }
  if (settings.windowsBuild >= kFirstDarkBuild && settings.appsUseLightTheme == 0u) {
    return Look::kDark;
  }
  return Look::kLight;
}

std::uint32_t DarkTitleBarAttribute(std::uint32_t windowsBuild) noexcept {
  if (windowsBuild < kFirstDarkBuild) {
    return 0;
  }
  return windowsBuild < kFirstDocumentedAttributeBuild ? kAttributeBefore2004 : kAttribute;
}

}  // namespace mirel
