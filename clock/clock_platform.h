// What the clock window needs from the platform, as small interfaces: the Win32 side implements
// them with the real window (clock_window_win.cpp), the unit tests with fakes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mirel {

enum class WindowState { kNormal = 0, kMinimized = 1, kMaximized = 2 };

// The clock's own window.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  virtual void SetCaption(const std::string& caption) = 0;  // UTF-8
  // Shows the day of the month (1 .. 31) in the window's icons, drawn at the window's DPI: a
  // taskbar that hides its buttons' labels still shows the date.
  virtual void ShowDay(int dayOfMonth) = 0;
  virtual void SetWindowState(WindowState state) = 0;
  // Unloads the window: its Unload event runs, and for the clock the program ends.
  virtual void Unload() = 0;
};

// The window's timer: ticks twice a second while enabled.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetEnabled(bool enabled) = 0;
};

// The program's other loaded windows (the calendar).
class LoadedWindowList {
 public:
  virtual ~LoadedWindowList() = default;
  // Unloads every loaded window except the one that is unloading already, in load order.
  virtual void UnloadAll() = 0;
};

// Sizes in twips, 1/1440 inch (15 per pixel at 96 dpi).
struct TwipsSize {
  double width = 0;
  double height = 0;
};

// A line under an input box's field that shows what the text typed so far gives, kept current
// while the box is open.
class InputPreview {
 public:
  virtual ~InputPreview() = default;
  virtual std::string Text(std::string_view typed) = 0;  // UTF-8 both
};

// What the commands of the clock's window menu need of the platform (clock/sys_menu.h).
class ClockCommands {
 public:
  virtual ~ClockCommands() = default;
  // Adds the program's commands to the window menu and takes Move out of it.
  virtual void InstallSysMenu() = 0;
  // The platform's modal input box: the typed text on OK, empty text on Cancel. `preview` (may be
  // null) gives the line shown under the field.
  virtual std::string InputBox(std::string_view prompt, std::string_view title,
                               InputPreview* preview) = 0;
  virtual void ShowCalender() = 0;
  // The screen and the clock window's outer frame.
  virtual TwipsSize ScreenSize() const = 0;
  virtual TwipsSize WindowSize() const = 0;
  virtual void MoveWindow(std::int32_t leftTwips, std::int32_t topTwips) = 0;
  // The application's version information, shown modally over the clock window with its icon.
  virtual void ShowVersion() = 0;
  // Tells the user about a failure that does not stop the program (UTF-8).
  virtual void ShowWarning(const std::string& message) = 0;
};

enum class WindowsGeneration { kBefore10, k10, k11 };

// The taskbar the clock's button stands on.
class Taskbar {
 public:
  virtual ~Taskbar() = default;
  virtual WindowsGeneration Windows() const = 0;
  // The user's taskbar shows buttons without their labels, so not the clock's caption.
  virtual bool HidesLabels() const = 0;
  // Shows `text` (UTF-8) beside the running clock, without holding it up, with a button that opens
  // the taskbar settings and one that closes it; the clock's LabelTip_Closed hears of the close.
  virtual void ShowLabelTip(const std::string& text) = 0;
};

// The running program as it describes itself.
struct Application {
  std::string exeName;        // the executable's base name: names its settings
  std::string command;        // the command line after the program name
  bool prevInstance = false;  // another copy of this program is running already
};

}  // namespace mirel
