#include "calendar/calender_arrow_box_win.h"

#include "components/surface/gdi_surface_win.h"
#include "components/surface/system_palette_win.h"
#include "components/win32/dpi.h"

namespace mirel {
namespace {

constexpr wchar_t kArrowBoxClass[] = L"MirelCalenderArrowBox";
constexpr int kIconPixels = 16;  // at 96 dpi

}  // namespace

void CalenderArrowBox::Create(HWND parent, int id) {
  CreateBox(kArrowBoxClass, parent, id);
}

LRESULT CalenderArrowBox::OnBoxMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The focus the press took has moved on to the grid already (ArrowGotFocus); the release
      // decides whether this was a click.
      ::SetCapture(window);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(lParam);
      return 0;
    case WM_SETFOCUS:
      events_.ArrowGotFocus(box_);
      return 0;
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

void CalenderArrowBox::OnButtonUp(LPARAM lParam) {
  if (::GetCapture() != Handle()) {
    return;
  }
  ::ReleaseCapture();
  // A press moved off the box before its release is no click.
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (::PtInRect(&client, point)) {
    events_.ArrowClicked(box_);
  }
}

void CalenderArrowBox::Paint(HDC dc) {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  // On the heading band's colour, read at each paint: the arrows follow a switch of the look.
  FillSolidRect(dc, client, SystemPalette()[ColourRole::kHeadingBand]);
  const int size =
      ::MulDiv(kIconPixels, static_cast<int>(win32::WindowDpi(Handle())), USER_DEFAULT_SCREEN_DPI);
  if (HICON icon = Icon(size); icon != nullptr) {
    ::DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  }
}

HICON CalenderArrowBox::Icon(int sizePixels) {
  if (!icon_ || iconPixels_ != sizePixels) {
    icon_.Reset(
        static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId_),
                                        IMAGE_ICON, sizePixels, sizePixels, 0)));
    iconPixels_ = sizePixels;
  }
  return icon_.Get();
}

}  // namespace mirel
