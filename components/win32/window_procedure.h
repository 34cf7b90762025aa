// The procedures Windows calls for the program's windows and dialogs, one template each, so every
// window class binds its C++ object, follows a DPI change and keeps exceptions in the same way.
// No exception may leave them: the 32-bit build unwinds with tables that cannot pass through
// user32's frames, so an escaping exception would end the program. A failure is reported once
// (ReportHandlerFailure) and the message gets the default processing.
// The program's windows are BoundWindows (bound_window.h), which use these; a class of its own
// takes them directly. Example:
//   class Answerer { LRESULT OnMessage(HWND, UINT, WPARAM, LPARAM); };
//   RegisterWindowClass({L"Answerer", &WindowProcedure<Answerer, &Answerer::OnMessage>});
//   CreateWindowExW(..., L"Answerer", ..., &answerer);  // `answerer` sees every message from now
#pragma once

#include <windows.h>

#include "components/win32/win_error.h"
#include "components/win32/window_look.h"

namespace mirel::win32 {

// What every top-level window does on WM_DPICHANGED: it takes the rectangle the system suggests
// for the new monitor, which keeps its size in inches, moved inside that monitor's work area.
void FollowDpiChange(HWND window, LPARAM suggestedRect) noexcept;

// Cuts a window off from its object: its later messages get the default processing.
inline void UnbindWindowObject(HWND window) noexcept {
  ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}

// The object handed to CreateWindowExW as its creation parameter is stored with the window at
// WM_NCCREATE and gets every later message up to and including WM_NCDESTROY, after which the
// window no longer refers to it. Messages before WM_NCCREATE (WM_GETMINMAXINFO) and those of
// windows created without an object get the default processing.
template <typename Object, LRESULT (Object::*Handler)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  Object* object = nullptr;
  if (message == WM_NCCREATE) {
    object = static_cast<Object*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
  } else {
    object = reinterpret_cast<Object*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (object == nullptr) {
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    UnbindWindowObject(window);
  } else if (message == WM_DPICHANGED) {
    FollowDpiChange(window, lParam);
    return 0;
  }
  return GuardCallback(
      window, [&] { return (object->*Handler)(window, message, wParam, lParam); },
      [&] { return ::DefWindowProcW(window, message, wParam, lParam); });
}

// The same for a dialog: the object is the dialog's creation parameter, stored at WM_INITDIALOG.
// A failing handler counts as a message the dialog did not handle (FALSE). Its title bar follows
// the system's look, as a BoundWindow's does.
template <typename Object, INT_PTR (Object::*Handler)(HWND, UINT, WPARAM, LPARAM)>
INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  FollowSystemLook(dialog, message, wParam, lParam);
  Object* object = nullptr;
  if (message == WM_INITDIALOG) {
    object = reinterpret_cast<Object*>(lParam);
    ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
  } else {
    object = reinterpret_cast<Object*>(::GetWindowLongPtrW(dialog, DWLP_USER));
  }
  if (object == nullptr) {
    return FALSE;
  }
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(dialog, DWLP_USER, 0);
  }
  return GuardCallback(
      dialog, [&] { return (object->*Handler)(dialog, message, wParam, lParam); },
      [] { return INT_PTR{FALSE}; });
}

// A window class of this module. Registering one that exists already (a window loaded again)
// does nothing; any other failure throws RunTimeError.
struct WindowClass {
  const wchar_t* name = nullptr;
  WNDPROC procedure = nullptr;  // left out for a BoundWindow, whose Create puts in its own
  UINT style = 0;
  HBRUSH background = nullptr;  // null: the window paints all of itself
  WORD iconId = 0;              // the icon resource for caption and taskbar; 0: none
};
void RegisterWindowClass(const WindowClass& windowClass);

}  // namespace mirel::win32
