#include "components/win32/window_procedure.h"

#include "components/win32/work_area_fit_win.h"

namespace mirel::win32 {

void FollowDpiChange(HWND window, LPARAM suggestedRect) noexcept {
  RECT target = *reinterpret_cast<const RECT*>(suggestedRect);
  // A window that grows with the new DPI near the monitor's edge would reach past it; the
  // minimised clock keeps the place the system gives it.
  if (!::IsIconic(window)) {
    target = FitIntoWorkArea(target, Oversize::kKeepSize);
  }
  ::SetWindowPos(window, nullptr, target.left, target.top, target.right - target.left,
                 target.bottom - target.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void RegisterWindowClass(const WindowClass& windowClass) {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW registered{};
  registered.cbSize = sizeof(registered);
  registered.style = windowClass.style;
  registered.lpfnWndProc = windowClass.procedure;
  registered.hInstance = instance;
  if (windowClass.iconId != 0) {
    // Shared icons belong to the system's cache: the class never frees them.
    registered.hIcon =
        static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(windowClass.iconId), IMAGE_ICON,
                                        0, 0, LR_DEFAULTSIZE | LR_SHARED));
    registered.hIconSm = static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(windowClass.iconId), IMAGE_ICON,
                     ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  }
  registered.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  registered.hbrBackground = windowClass.background;
  registered.lpszClassName = windowClass.name;
  if (::RegisterClassExW(&registered) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    ThrowWin32Error("RegisterClassExW");
  }
}

}  // namespace mirel::win32
