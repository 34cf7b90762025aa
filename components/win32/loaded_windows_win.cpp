#include "components/win32/loaded_windows.h"

#include <algorithm>

namespace mirel::win32 {
namespace {

// Touched only by the user-interface thread, so no lock.
std::vector<HWND>& Collection() {
  static std::vector<HWND> windows;
  return windows;
}

}  // namespace

void LoadedWindows::Add(HWND window) {
  if (window != nullptr && !Contains(window)) {
    Collection().push_back(window);
  }
}

void LoadedWindows::Remove(HWND window) {
  std::erase(Collection(), window);
}

bool LoadedWindows::Contains(HWND window) {
  const auto& windows = Collection();
  return std::find(windows.begin(), windows.end(), window) != windows.end();
}

std::vector<HWND> LoadedWindows::Windows() {
  return Collection();
}

void LoadedWindows::UnloadAllExcept(HWND except) {
  for (HWND window : Windows()) {
    // A window destroyed by an earlier one's unload has left the collection already.
    if (window == except || !Contains(window)) {
      continue;
    }
    if (::IsWindow(window)) {
      ::DestroyWindow(window);
    }
    Remove(window);
  }
}

}  // namespace mirel::win32
