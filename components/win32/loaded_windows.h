// The program's collection of loaded top-level windows, in the order they were loaded. Each
// window of the program adds itself when it is created and removes itself when it is destroyed;
// the clock's close sequence then unloads every other one, in collection order.
// Example (in a window procedure):
//   case WM_CREATE:    LoadedWindows::Add(hwnd); ...
//   case WM_NCDESTROY: LoadedWindows::Remove(hwnd); ...
#pragma once

#include <windows.h>

#include <vector>

namespace mirel::win32 {

class LoadedWindows {
 public:
  static void Add(HWND window);     // a second Add of the same window is ignored
  static void Remove(HWND window);  // unknown windows are ignored
  static bool Contains(HWND window);
  static std::vector<HWND> Windows();  // a copy, in collection order

  // Unloads (DestroyWindow) every window of the collection except `except`, in collection
  // order. The list is taken first, so windows that leave or join during the walk do no harm.
  static void UnloadAllExcept(HWND except);
};

// Adds a window for the lifetime of the guard (a member of the window's own object).
class LoadedWindowRegistration {
 public:
  LoadedWindowRegistration() = default;
  explicit LoadedWindowRegistration(HWND window) : window_(window) { LoadedWindows::Add(window); }
  ~LoadedWindowRegistration() {
    if (window_ != nullptr) {
      LoadedWindows::Remove(window_);
    }
  }
  LoadedWindowRegistration(const LoadedWindowRegistration&) = delete;
  LoadedWindowRegistration& operator=(const LoadedWindowRegistration&) = delete;

 private:
  HWND window_ = nullptr;
};

}  // namespace mirel::win32
