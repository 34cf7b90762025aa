#include "clock/sys_menu.h"

#include <cmath>
#include <exception>
#include <limits>

#include "clock/frm_mirel.h"
#include "clock/pattern_preview.h"
#include "components/errors.h"

namespace mirel {

namespace {

void RunDisplaySettings(const SysMenuTarget& target) {
  // The box starts empty on purpose: the user types the whole pattern anew. Its preview line shows
  // what the clock shows until something is typed.
  PatternPreview preview(target.displayFormat);
  std::string pattern =
      target.commands.InputBox(kDisplaySettingsPrompt, kDisplaySettingsTitle, &preview);
  if (pattern.empty()) {
    return;  // Cancel, or OK with nothing typed: the old pattern stays, stored and shown
  }
  std::optional<std::string> saveFailure;
  try {
    target.settings.SaveSetting(target.appName, kClockSection, kFormatKey, pattern);
  } catch (const std::exception& error) {
    saveFailure = error.what();
  }
  target.displayFormat = std::move(pattern);
  // Told after the pattern is in use, so the clock already shows it while the user reads this.
  if (saveFailure) {
    target.commands.ShowWarning(std::string(kSaveFailedMessage) + "\n\n" + *saveFailure);
  }
}

void RunVersionInfo(const SysMenuTarget& target) {
  target.window.SetWindowState(WindowState::kNormal);
  // Measured after the restore: a minimised window has the size of its caption bar.
  const TwipsSize screen = target.commands.ScreenSize();
  const TwipsSize window = target.commands.WindowSize();
  const std::int32_t left = CentredOffset(screen.width, window.width);
  const std::int32_t top = CentredOffset(screen.height, window.height);
  target.commands.MoveWindow(left, top);
  target.commands.ShowVersion();
}

}  // namespace

std::optional<SysMenuCommand> SysMenuCommandOf(std::uint32_t message, std::uintptr_t wParam) {
  if (message != kSystemCommandMessage) {
    return std::nullopt;
  }
  for (const SysMenuItem& item : kSysMenuItems) {
    if (wParam == static_cast<std::uintptr_t>(item.command)) {
      return item.command;
    }
  }
  return std::nullopt;
}

void RunSysMenuCommand(SysMenuCommand command, const SysMenuTarget& target) {
  switch (command) {
    case SysMenuCommand::kDisplaySettings:
      RunDisplaySettings(target);
      break;
    case SysMenuCommand::kCalender:
      target.commands.ShowCalender();
      break;
    case SysMenuCommand::kVersionInfo:
      RunVersionInfo(target);
      break;
  }
}

std::int32_t CentredOffset(double outerTwips, double innerTwips) {
  const double difference = outerTwips - innerTwips;
  const double rounded = std::nearbyint(difference);  // the default rounding mode: ties to even
  if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int32_t>::min() ||
      rounded > std::numeric_limits<std::int32_t>::max()) {
    throw OverflowError("centring: the screen and window sizes are out of range");
  }
  return static_cast<std::int32_t>(rounded) / 2;  // integer division truncates toward zero
}

}  // namespace mirel
