#include "clock/frm_mirel.h"

#include <cmath>

#include "clock/sys_menu.h"
#include "components/datetime/now.h"
#include "components/format/format.h"

namespace mirel {

namespace {

// The current time cut to its whole second. Date parts round to the nearest second, so 12:00:00.6
// would read 12:00:01: a clock refreshed at the half-seconds would show each second half a second
// early.
DateValue WholeSecondOf(DateValue now) {
  constexpr double kSecondsPerDay = 86400.0;
  const double day = std::floor(now);
  // The small margin keeps an exact second that the double holds a hair below it on its second.
  const double seconds = std::floor((now - day) * kSecondsPerDay + 1e-4);
  return day + seconds / kSecondsPerDay;
}

}  // namespace

frmMirel::frmMirel(Platform platform) : platform_(std::move(platform)) {}

void frmMirel::Form_Load() {
  if (platform_.app.prevInstance) {
    platform_.window.Unload();
    return;
  }
  InstallSysMenu();
  DisplayFormat = platform_.settings.GetSetting(platform_.app.exeName, kClockSection, kFormatKey);
  // Taken as it is: a pattern may well begin or end with blanks, and quotes are pattern syntax.
  if (!platform_.app.command.empty()) {
    DisplayFormat = platform_.app.command;
  }
  platform_.timMirel.SetEnabled(true);
}

void frmMirel::Form_Unload() {
  platform_.timMirel.SetEnabled(false);
  platform_.forms.UnloadAll();
}

void frmMirel::timMirel_Timer() {
  platform_.window.SetCaption(Format(WholeSecondOf(Now()), DisplayFormat));
}

void frmMirel::msgMirel_Message(std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t /*lParam*/, std::intptr_t /*window*/) {
  if (const auto command = SysMenuCommandOf(message, wParam)) {
    RunSysMenuCommand(*command, {platform_.commands, platform_.window, platform_.settings,
                                 platform_.app.exeName, DisplayFormat});
  }
}

void frmMirel::InstallSysMenu() {
  platform_.commands.InstallSysMenu();
}

}  // namespace mirel
