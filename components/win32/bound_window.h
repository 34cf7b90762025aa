// A window of the program and the C++ object behind it, bound for the window's whole life: the
// object is the window's from its first message (WM_NCCREATE) to its last (WM_NCDESTROY) and
// hears every message in between in OnMessage, inside the guard of WindowProcedure. A top-level
// window (one without WS_CHILD) is also in the program's loaded windows (LoadedWindows) from
// WM_CREATE on, so the clock's close sequence unloads it; its title bar follows the system's look
// (window_look.h).
// What every window does alike goes into Route, before the window's own OnMessage (or into
// WindowProcedure, which already follows a DPI change for every window); what one window does goes
// into its own OnMessage, a case each.
// Example:
//   class Clock final : public BoundWindow {
//     void Load() { Create({.name = L"frmMirel", .iconId = IDI_MIREL}, {.style = WS_CAPTION}); }
//     LRESULT OnMessage(HWND, UINT, WPARAM, LPARAM) override;  // WM_TIMER, WM_DESTROY ...
//   };
#pragma once

#include <windows.h>

#include <utility>

#include "components/win32/win_error.h"
#include "components/win32/window_procedure.h"

namespace mirel::win32 {

// The arguments of CreateWindowExW that differ from window to window.
struct WindowCreation {
  DWORD style = 0;
  DWORD exStyle = 0;
  const wchar_t* caption = L"";
  POINT position{CW_USEDEFAULT, CW_USEDEFAULT};
  SIZE size{CW_USEDEFAULT, CW_USEDEFAULT};
  HWND parent = nullptr;  // a child window's parent
  int childId = 0;        // a child window's identifier
};

class BoundWindow {
 public:
  BoundWindow(const BoundWindow&) = delete;
  BoundWindow& operator=(const BoundWindow&) = delete;

  // The window from WM_NCCREATE on; null before it is created and from WM_NCDESTROY on.
  HWND Handle() const noexcept { return window_; }

 protected:
  BoundWindow() = default;
  // A window still there goes without its object hearing of it: the derived part is gone by now,
  // so a window that must run its own close sequence is destroyed by the derived destructor.
  ~BoundWindow();

  // Registers `windowClass` (loaded again, it exists already) with the procedure of bound windows
  // in place of the one given, and creates a window of it bound to this object. Throws
  // RunTimeError when either fails.
  void Create(const WindowClass& windowClass, const WindowCreation& creation);

  // One message of the bound window; what it returns goes back to Windows. An exception is
  // reported in a message box and the message gets the default processing.
  virtual LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

  // Runs an event handler with this window as the owner of the failure's message box; false when
  // the handler failed.
  template <typename Handler>
  bool RunHandler(Handler&& handler) noexcept {
    return win32::RunHandler(window_, std::forward<Handler>(handler));
  }

 private:
  LRESULT Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
};

}  // namespace mirel::win32
