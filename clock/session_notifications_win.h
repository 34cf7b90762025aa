// The session's changes (lock, unlock, ...) sent to a window as WM_WTSSESSION_CHANGE while it is
// registered. The clock refreshes at an unlock: a computer left locked may have slept, or had its
// time set, and the user looks at the clock first thing. wtsapi32.dll is loaded from the system
// folder at the registration, not imported (components/win32/system_library.h).
// Example:
//   SessionNotifications sessions;
//   sessions.Register(window);  // WM_WTSSESSION_CHANGE WTS_SESSION_UNLOCK from now on
//   sessions.Unregister();      // before the window goes; the destructor does it otherwise
#pragma once

#include <windows.h>

namespace mirel {

class SessionNotifications {
 public:
  SessionNotifications() = default;
  ~SessionNotifications() { Unregister(); }
  SessionNotifications(const SessionNotifications&) = delete;
  SessionNotifications& operator=(const SessionNotifications&) = delete;

  // Without the service or the DLL the window simply hears nothing.
  void Register(HWND window) noexcept;
  void Unregister() noexcept;

 private:
  HWND window_ = nullptr;
};

}  // namespace mirel
