// What the clock window needs from the platform, as small interfaces: the Win32 side implements
// them with the real window (clock_window_win.cpp), the unit tests with fakes.
#pragma once

#include <string>

namespace mirel {

enum class WindowState { kNormal = 0, kMinimized = 1, kMaximized = 2 };

// The clock's own window.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;  // UTF-8
  virtual WindowState GetWindowState() const = 0;
  virtual void SetWindowState(WindowState state) = 0;
  // Unloads the window: its Unload event runs, and for the clock the program ends.
  virtual void Unload() = 0;
};

// The window's timer: ticks twice a second while enabled.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

// The program's other loaded windows (the calendar).
class LoadedWindowList {
 public:
  virtual ~LoadedWindowList() = default;
  // Unloads every loaded window except the one that is unloading already, in load order.
  virtual void UnloadAll() = 0;
};

// The commands of the clock's window menu.
class ClockCommands {
 public:
  virtual ~ClockCommands() = default;
  virtual void ShowCalender() = 0;
};

// The running program as it describes itself.
struct Application {
  std::string exeName;        // the executable's base name: names its settings
  std::string command;        // the command line after the program name
  bool prevInstance = false;  // another copy of this program is running already
};

}  // namespace mirel
