#include "calendar/calender_grid_win.h"

#include "components/win32/dpi.h"
#include "components/win32/unique_handle.h"

namespace mirel {
namespace {

constexpr wchar_t kGridClass[] = L"MirelCalenderGrid";
constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP;

}  // namespace

void CalenderGrid::Create(HWND parent, int id) {
  // A reloaded picture box starts from its design state, not from what the last drawing left.
  surface_.SetFontBold(false);
  surface_.SetForeColor(kBlack);
  // No background: the grid paints its whole area itself.
  BoundWindow::Create({.name = kGridClass, .style = CS_DBLCLKS},
                      win32::ChildWindowCreation(parent, id, kStyle));
}

void CalenderGrid::Present() {
  if (Handle() != nullptr && !surface_.Empty()) {
    win32::WindowDcGuard dc(Handle());
    surface_.CopyTo(dc.Dc());
  }
}

LRESULT CalenderGrid::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything; erasing first would flicker
    case WM_PAINT: {
      win32::PaintGuard paint(window);
      if (events_.GridPaint()) {
        surface_.CopyTo(paint.Dc());
      }
      return 0;
    }
    case WM_SIZE:
      OnSize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_KEYDOWN:
      events_.GridKeyDown(static_cast<int>(wParam));
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ::SetFocus(window);  // a picture box takes the focus when clicked
      return 0;
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

void CalenderGrid::OnSize(int widthPixels, int heightPixels) {
  win32::WindowDcGuard dc(Handle());
  surface_.SetDpi(win32::WindowDpi(Handle()));
  surface_.Resize(dc.Dc(), widthPixels, heightPixels);
  events_.GridResized();
}

}  // namespace mirel
