#include "calendar/picture_box_window_win.h"

#include "components/win32/unique_handle.h"

namespace mirel {

void PictureBoxWindow::CreateBox(const wchar_t* className, HWND parent, int id) {
  // No background brush: the box paints its whole area itself. No place and no size either: the
  // form places its boxes once it is loaded.
  Create({.name = className, .style = CS_DBLCLKS},
         {.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP,
          .position = {0, 0},
          .size = {0, 0},
          .parent = parent,
          .childId = id});
}

LRESULT PictureBoxWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      win32::PaintGuard paint(window);
      Paint(paint.Dc());
      return 0;
    }
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ::SetFocus(window);
      break;
    default:
      break;
  }
  return OnBoxMessage(window, message, wParam, lParam);
}

}  // namespace mirel
