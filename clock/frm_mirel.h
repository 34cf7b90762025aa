// The clock window: its caption shows the current date and time in DisplayFormat, and its icon
// the day of the month, refreshed on every timer tick; it decides the program's life (one copy,
// and closing it ends the program).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "clock/clock_platform.h"
#include "components/datetime/date_value.h"
#include "components/format/format.h"
#include "components/settings/settings_store.h"

namespace mirel {

inline constexpr char kClockSection[] = "frmMirel";
inline constexpr char kFormatKey[] = "Format";
inline constexpr char kDesignCaption[] = "カレンダー";  // shown until the first tick

// Window messages the clock acts on.
inline constexpr std::uint32_t kSystemCommandMessage = 274;  // WM_SYSCOMMAND
inline constexpr std::uint32_t kDpiChangedMessage = 736;     // WM_DPICHANGED

class frmMirel {
 public:
  struct Platform {
    WindowHost& window;
    Timer& timMirel;
    SettingsStore& settings;
    LoadedWindowList& forms;
    ClockCommands& commands;
    Taskbar& taskbar;
    Application app;
  };

  explicit frmMirel(Platform platform);

  // Load: a second copy unloads at once; otherwise the window-menu items are installed, the
  // pattern read (the command line wins for this run) and the timer enabled. Where the taskbar
  // hides the caption, the first tick tells the user once (label_tip.h).
  void Form_Load();
  // Unload: the timer stops and every other window of the program is unloaded.
  void Form_Unload();
  // Caption <- Format(Now, DisplayFormat); the icon shows the day when the day has changed since
  // the last tick (midnight, or a changed system time). DisplayFormat is compiled at the first
  // tick after it changed, not at every tick.
  void timMirel_Timer();
  // Every message of the window, reported by its MsgHook; window-menu commands are acted on, and a
  // new DPI has the icon drawn again at its size. Nothing is changed.
  void msgMirel_Message(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                        std::intptr_t window);
  // The user closed the message about hidden labels: it is never shown again.
  void LabelTip_Closed();

  std::string DisplayFormat;  // empty: the general date and time form

 private:
  // Adds the program's own commands to the window menu.
  void InstallSysMenu();
  void ShowDayOf(DateValue now);

  Platform platform_;
  // DisplayFormat compiled. Compared with DisplayFormat at each tick rather than compiled where
  // DisplayFormat is assigned: the window-menu command assigns it through a reference.
  FormatPattern displayPattern_{DisplayFormat};
  std::string caption_;                  // the text of the last tick; its buffer is reused
  int iconDay_ = 0;                      // the day the icon shows; 0 before the first tick
  std::optional<std::string> labelTip_;  // the message the first tick shows
};

}  // namespace mirel
