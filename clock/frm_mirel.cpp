#include "clock/frm_mirel.h"

#include "clock/sys_menu.h"
#include "components/datetime/date_value.h"
#include "components/datetime/now.h"

namespace mirel {

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
  if (displayPattern_.Pattern() != DisplayFormat) {
    displayPattern_ = FormatPattern(DisplayFormat);
  }
  caption_.clear();
  // Cut to the second that has begun: the refresh runs at the half-seconds, and rounding would
  // show each second half a second early.
  displayPattern_.AppendTo(caption_, WholeSecondOf(Now()));
  platform_.window.SetCaption(caption_);
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
