#include "components/win32/bound_window.h"

#include "components/win32/loaded_windows.h"
#include "components/win32/window_look.h"

namespace mirel::win32 {

BoundWindow::~BoundWindow() {
  if (window_ != nullptr) {
    const HWND window = std::exchange(window_, nullptr);
    UnbindWindowObject(window);
    LoadedWindows::Remove(window);
    ::DestroyWindow(window);
  }
}

void BoundWindow::Create(const WindowClass& windowClass, const WindowCreation& creation) {
  WindowClass bound = windowClass;
  bound.procedure = &WindowProcedure<BoundWindow, &BoundWindow::Route>;
  RegisterWindowClass(bound);
  if (::CreateWindowExW(creation.exStyle, windowClass.name, creation.caption, creation.style,
                        creation.position.x, creation.position.y, creation.size.cx,
                        creation.size.cy, creation.parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(creation.childId)),
                        ::GetModuleHandleW(nullptr), this) == nullptr) {
    ThrowWin32Error("CreateWindowExW");
  }
}

LRESULT BoundWindow::Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      window_ = window;
      break;
    case WM_CREATE:
      if ((reinterpret_cast<const CREATESTRUCTW*>(lParam)->style & WS_CHILD) == 0) {
        LoadedWindows::Add(window);
      }
      break;
    case WM_NCDESTROY:
      LoadedWindows::Remove(window);
      window_ = nullptr;
      break;
    default:
      break;
  }
  FollowSystemLook(window, message, wParam, lParam);
  return OnMessage(window, message, wParam, lParam);
}

}  // namespace mirel::win32
