// The clock window's own commands in its window menu (the menu under the caption icon and on the
// taskbar button): display settings, the calendar and the version information. The window has
// no menu bar and no buttons, so this menu is the only way to reach them.
// Example:
//   if (const auto command = SysMenuCommandOf(message, wParam)) {
//     RunSysMenuCommand(*command, {commands, window, settings, "Mirel", DisplayFormat});
//   }
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "clock/clock_platform.h"
#include "components/settings/settings_store.h"

namespace mirel {

enum class SysMenuCommand : std::uintptr_t {
  kDisplaySettings = 100,
  kCalender = 101,
  kVersionInfo = 102,
};

struct SysMenuItem {
  SysMenuCommand command;
  std::string_view text;  // UTF-8
};

// In the order they are inserted. Each goes in just before the menu's first item whose
// identifier is 0 (the separator above Close on the standard menu), so each later one lands
// below the earlier ones: top to bottom カレンダー, 表示設定, バージョン情報.
inline constexpr std::array<SysMenuItem, 3> kSysMenuItems{{
    {SysMenuCommand::kCalender, "カレンダー"},
    {SysMenuCommand::kDisplaySettings, "表示設定"},
    {SysMenuCommand::kVersionInfo, "バージョン情報"},
}};

// The standard Move command, taken out of the menu: the clock has no use for moving by keys.
inline constexpr std::uint32_t kMoveCommand = 61456;  // SC_MOVE

// What the display-settings command asks.
inline constexpr char kDisplaySettingsPrompt[] = "表示フォーマットを入力して下さい(Format関数準拠)";
inline constexpr char kDisplaySettingsTitle[] = "表示設定";

// Shown when the chosen pattern could not be stored; the pattern is still used for this run.
inline constexpr char kSaveFailedMessage[] =
    "表示フォーマットを保存できませんでした。この実行中だけ新しい表示フォーマットを使います。";

// The window-menu command a message of the clock window reports: only the system-command
// message (274) with one of the three identifiers as wParam.
std::optional<SysMenuCommand> SysMenuCommandOf(std::uint32_t message, std::uintptr_t wParam);

// What a command acts on: the platform, the clock window, the settings of this executable and
// the clock's display format.
struct SysMenuTarget {
  ClockCommands& commands;
  WindowHost& window;
  SettingsStore& settings;
  std::string_view appName;  // the executable's base name: names its settings
  std::string& displayFormat;
};

// Display settings asks for a pattern; one that was typed (blanks count) is stored and becomes
// the display format. A failed save is shown to the user and the pattern is used anyway, so a
// read-only registry costs the user the memory of the pattern, not the program. Version
// information restores the clock window, centres it on the screen and shows the version dialog
// over it.
void RunSysMenuCommand(SysMenuCommand command, const SysMenuTarget& target);

// The offset that centres an extent of `innerTwips` within `outerTwips`: the difference rounded
// to whole twips, ties to even, then halved with the quotient truncated toward zero.
// Example: CentredOffset(15360, 1725) == 6817; CentredOffset(1000, 2001) == -500.
// Throws OverflowError when the difference is not finite or leaves the 32-bit range.
std::int32_t CentredOffset(double outerTwips, double innerTwips);

}  // namespace mirel
