// The clock window on Windows: the real window behind frmMirel. It implements the platform
// interfaces frmMirel talks to and forwards the window's events to frmMirel's handlers, each in
// a guard that shows a failure in a message box and keeps the program running. A changed system
// time, a resume from sleep and an unlocked session refresh the caption and the icon at once and
// set the ticks' beat anew.
#pragma once

#include <windows.h>

#include <string>

#include "clock/day_icon_win.h"
#include "clock/frm_mirel.h"
#include "clock/session_notifications_win.h"
#include "clock/sys_menu_win.h"
#include "clock/taskbar_win.h"
#include "components/form_controls/msg_hook.h"
#include "components/form_controls/trans_form.h"
#include "components/win32/bound_window.h"

namespace mirel {

inline constexpr wchar_t kClockWindowClass[] = L"frmMirel";

class ClockWindow final : win32::BoundWindow, WindowHost, Timer, LoadedWindowList {
 public:
  // `instance` is the executable's, which the window class belongs to in any case.
  ClockWindow(HINSTANCE instance, SettingsStore& settings, Application app);
  ~ClockWindow() override;
  ClockWindow(const ClockWindow&) = delete;
  ClockWindow& operator=(const ClockWindow&) = delete;

  // Creates the window hidden, runs the load sequence and then shows the window minimised,
  // unless the load sequence unloaded it (a second copy): then the program's quit message is
  // already posted.
  void Load();

  // For the message loop: true when `message` was keyboard navigation of the clock's modeless
  // message window, and is dealt with.
  bool HandleDialogMessage(MSG& message) { return taskbar_.HandleDialogMessage(message); }

 private:
  // WindowHost
  void SetCaption(const std::string& caption) override;
  void ShowDay(int dayOfMonth) override;
  void SetWindowState(WindowState state) override;
  void Unload() override;
  // Timer
  void SetEnabled(bool enabled) override;
  // LoadedWindowList
  void UnloadAll() override;

  // BoundWindow: each message the clock answers itself goes to a handler of its own below.
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnSettingChange(LPARAM lParam);
  void OnGetMinMaxInfo(MINMAXINFO& info) const;
  void OnDestroy();
  void ArmTimer();
  void Tick();
  void PlaceAtDesignPosition();

  bool timerEnabled_ = false;
  WindowDayIcons dayIcons_;
  SessionNotifications sessions_;
  SysMenuWindow sysMenu_;
  TaskbarWin taskbar_{[this] { RunHandler([this] { form_.LabelTip_Closed(); }); }};
  frmMirel form_;
  MsgHook msgMirel_;
  TransForm trfMirel_{/*inborder=*/true};
};

}  // namespace mirel
