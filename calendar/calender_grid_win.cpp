#include "calendar/calender_grid_win.h"

#include "components/win32/dpi.h"
#include "components/win32/unique_handle.h"

namespace mirel {
namespace {

constexpr wchar_t kGridClass[] = L"MirelCalenderGrid";

}  // namespace

void CalenderGrid::Create(HWND parent, int id) {
  // A reloaded picture box starts from its design state, not from what the last drawing left.
  surface_.SetFontBold(false);
  surface_.SetFontSize(FontSize::kRegular);
  surface_.SetForeColor(kBlack);
  CreateBox(kGridClass, parent, id);
}

void CalenderGrid::Present() {
  if (Handle() != nullptr && !surface_.Empty()) {
    win32::WindowDcGuard dc(Handle());
    surface_.CopyTo(dc.Dc());
  }
}

void CalenderGrid::Paint(HDC dc) {
  if (events_.GridPaint()) {
    surface_.CopyTo(dc);
  }
}

LRESULT CalenderGrid::OnBoxMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      OnSize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_KEYDOWN:
      events_.GridKeyDown(static_cast<int>(wParam));
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
