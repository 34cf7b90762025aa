// The C++ object behind a window: handed to CreateWindowExW as its creation parameter, stored
// with the window at WM_NCCREATE and read back for every later message, so that a static window
// procedure can forward each message to its object.
#pragma once

#include <windows.h>

namespace mirel::win32 {

// The object of the window, or null for the few messages that come before WM_NCCREATE
// (WM_GETMINMAXINFO) and for windows created without one.
template <typename Object>
Object* WindowObject(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* object =
        static_cast<Object*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    return object;
  }
  return reinterpret_cast<Object*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace mirel::win32
