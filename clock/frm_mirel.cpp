#include "clock/frm_mirel.h"

#include <exception>
#include <utility>

#include "clock/label_tip.h"
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
  if (platform_.settings.GetSetting(platform_.app.exeName, kClockSection, kLabelTipKey) !=
      kLabelTipDone) {
    labelTip_ = LabelTipText(platform_.taskbar.Windows(), platform_.taskbar.HidesLabels());
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
  // Cut to the second that has begun: the refresh runs at the half-seconds, and rounding would
  // show each second half a second early.
  const DateValue now = WholeSecondOf(Now());
  caption_.clear();
  displayPattern_.AppendTo(caption_, now);
  platform_.window.SetCaption(caption_);
  ShowDayOf(now);
  // Once the clock shows the time, so that the message never holds up its start.
  if (labelTip_) {
    const std::string text = *std::exchange(labelTip_, std::nullopt);
    platform_.taskbar.ShowLabelTip(text);
  }
}

void frmMirel::ShowDayOf(DateValue now) {
  const int day = Day(now);
  if (day != iconDay_) {
    // Taken as shown before drawing: an icon that cannot be drawn is reported once, not at every
    // tick, and tried again at the next change.
    iconDay_ = day;
    platform_.window.ShowDay(day);
  }
}

void frmMirel::msgMirel_Message(std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t /*lParam*/, std::intptr_t /*window*/) {
  if (const auto command = SysMenuCommandOf(message, wParam)) {
    RunSysMenuCommand(*command, {platform_.commands, platform_.window, platform_.settings,
                                 platform_.app.exeName, DisplayFormat});
  } else if (message == kDpiChangedMessage && iconDay_ != 0) {
    platform_.window.ShowDay(iconDay_);
  }
}

void frmMirel::LabelTip_Closed() {
  try {
    platform_.settings.SaveSetting(platform_.app.exeName, kClockSection, kLabelTipKey,
                                   kLabelTipDone);
  } catch (const std::exception&) {
    // Not worth a message box of its own: the message simply shows once more at the next start.
  }
}

void frmMirel::InstallSysMenu() {
  platform_.commands.InstallSysMenu();
}

}  // namespace mirel
