// The program's collection of loaded top-level windows, in the order they were loaded. Each
// top-level window of the program is in it from its creation to its destruction (BoundWindow sees
// to that); the clock's close sequence then unloads every other one, in collection order.
// Example:
//   LoadedWindows::UnloadAllExcept(clockWindow);  // the calendar goes, the clock stays
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

}  // namespace mirel::win32
