// The clock window on Windows: the real window behind frmMirel. It implements the platform
// interfaces frmMirel talks to and forwards the window's events to frmMirel's handlers, each in
// a guard that shows a failure in a message box and keeps the program running.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "clock/frm_mirel.h"
#include "clock/sys_menu_win.h"
#include "components/form_controls/msg_hook.h"
#include "components/form_controls/trans_form.h"
#include "components/win32/loaded_windows.h"

namespace mirel {

inline constexpr wchar_t kClockWindowClass[] = L"frmMirel";

class ClockWindow final : WindowHost, Timer, LoadedWindowList {
 public:
  ClockWindow(HINSTANCE instance, SettingsStore& settings, Application app);
  ~ClockWindow() override;
  ClockWindow(const ClockWindow&) = delete;
  ClockWindow& operator=(const ClockWindow&) = delete;

  // Creates the window hidden, runs the load sequence and then shows the window minimised,
  // unless the load sequence unloaded it (a second copy): then the program's quit message is
  // already posted.
  void Load();

 private:
  // WindowHost
  void SetCaption(const std::string& caption) override;
  void SetWindowState(WindowState state) override;
  void Unload() override;
  // Timer
  void SetEnabled(bool enabled) override;
  // LoadedWindowList
  void UnloadAll() override;

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void ArmTimer();
  void Tick();
  void PlaceAtDesignPosition();

  HINSTANCE instance_;
  HWND window_ = nullptr;
  bool timerEnabled_ = false;
  std::optional<win32::LoadedWindowRegistration> registration_;
  SysMenuWindow sysMenu_;
  frmMirel form_;
  MsgHook msgMirel_;
  TransForm trfMirel_{/*inborder=*/true};
};

}  // namespace mirel
