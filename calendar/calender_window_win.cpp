#include "calendar/calender_window_win.h"

#include <cmath>

#include "calendar/calender_context_menu_win.h"
#include "calendar/calender_window.h"
#include "components/errors.h"
#include "components/surface/system_palette_win.h"
#include "components/win32/app_info.h"
#include "components/win32/text_conversion.h"
#include "components/win32/win_error.h"
#include "components/win32/work_area_fit_win.h"

namespace mirel {
namespace {

// The portable form spells the arrow keys as plain numbers.
static_assert(kKeyLeft == VK_LEFT && kKeyRight == VK_RIGHT);

constexpr wchar_t kFormClass[] = L"frmCalender";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_APPWINDOW;
constexpr FormRect kDesignBounds{11175, 7980, 3525, 2685};

// Child identifiers double as the tab order of the design.
constexpr int kCalenderId = 100;
constexpr int kPrevId = 101;
constexpr int kNextId = 102;

}  // namespace

CalenderWindow::CalenderWindow()
    : form_(*this, picCalender_.Surface(), settings_,
            CalenderApp{win32::ExecutableBaseName(), win32::ExecutableFolder()}) {}

FormRect CalenderWindow::DesignBounds() const {
  return kDesignBounds;
}

void CalenderWindow::Show() {
  if (Handle() != nullptr) {
    if (::IsIconic(Handle())) {
      ::ShowWindow(Handle(), SW_RESTORE);
      win32::KeepInsideWorkArea(Handle(), win32::Oversize::kShrink);
    }
    ::SetForegroundWindow(Handle());
    return;
  }
  Load();
}

void CalenderWindow::Load() {
  const RECT outer = OuterRect(kDesignBounds);  // at the system DPI: there is no window yet
  Create({.name = kFormClass,
          .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
          .iconId = IDI_MIREL},
         {.style = kStyle,
          .exStyle = kExStyle,
          .position = {outer.left, outer.top},
          .size = {outer.right - outer.left, outer.bottom - outer.top}});
  CreatePictures();
  RunHandler([this] { form_.Form_Load(); });
  // Once the load has put back the stored place and size, both together: the design place, or
  // one stored on a larger screen or at a lower DPI, can reach past the work area.
  win32::KeepInsideWorkArea(Handle(), win32::Oversize::kShrink);
  loaded_ = true;
  RunHandler([this] { form_.Form_Resize(); });
  if (Handle() != nullptr) {
    ::ShowWindow(Handle(), SW_SHOWNORMAL);
    ::SetForegroundWindow(Handle());
    ::SetFocus(picCalender_.Handle());
  }
}

void CalenderWindow::CreatePictures() {
  try {
    // picCalender first and lowest; the arrow boxes lie above it.
    picCalender_.Create(Handle(), kCalenderId);
    picPrev_.Create(Handle(), kPrevId);
    picNext_.Create(Handle(), kNextId);
  } catch (...) {
    ::DestroyWindow(Handle());
    throw;
  }
  for (HWND arrow : {picPrev_.Handle(), picNext_.Handle()}) {
    ::SetWindowPos(arrow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

HWND CalenderWindow::PictureWindow(CalenderPicture picture) const {
  switch (picture) {
    case CalenderPicture::kCalender:
      return picCalender_.Handle();
    case CalenderPicture::kPrev:
      return picPrev_.Handle();
    case CalenderPicture::kNext:
      return picNext_.Handle();
  }
  return nullptr;
}

RECT CalenderWindow::OuterRect(const FormRect& client) const {
  const UINT dpi = Dpi();
  RECT rect{win32::TwipsToPixels(client.left, dpi), win32::TwipsToPixels(client.top, dpi),
            win32::TwipsToPixels(client.left + client.width, dpi),
            win32::TwipsToPixels(client.top + client.height, dpi)};
  win32::AdjustWindowRectForDpi(rect, kStyle, kExStyle, dpi);
  return rect;
}

FormRect CalenderWindow::Bounds() const {
  if (Handle() == nullptr) {
    return kDesignBounds;
  }
  // The normal placement, so a window closed while minimised or maximised reopens as it was
  // before. Its coordinates are relative to the primary work area.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  ::GetWindowPlacement(Handle(), &placement);
  RECT outer = placement.rcNormalPosition;
  if ((::GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0) {
    RECT work{};
    if (::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
      ::OffsetRect(&outer, work.left, work.top);
    }
  }
  RECT frame{0, 0, 0, 0};
  const UINT dpi = Dpi();
  win32::AdjustWindowRectForDpi(frame, kStyle, kExStyle, dpi);
  RECT client{outer.left - frame.left, outer.top - frame.top, outer.right - frame.right,
              outer.bottom - frame.bottom};
  return {std::lround(win32::PixelsToTwips(client.left, dpi)),
          std::lround(win32::PixelsToTwips(client.top, dpi)),
          std::lround(win32::PixelsToTwips(client.right - client.left, dpi)),
          std::lround(win32::PixelsToTwips(client.bottom - client.top, dpi))};
}

void CalenderWindow::SetBounds(const FormRect& client) {
  if (Handle() == nullptr) {
    return;
  }
  RECT outer = OuterRect(client);
  ::SetWindowPos(Handle(), nullptr, outer.left, outer.top, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CalenderWindow::IsOnAnyMonitor(const FormRect& client) const {
  RECT outer = OuterRect(client);
  // The caption must be reachable, not merely a corner of the frame.
  RECT caption{outer.left, outer.top, outer.right, outer.top + ::GetSystemMetrics(SM_CYCAPTION)};
  return ::MonitorFromRect(&caption, MONITOR_DEFAULTTONULL) != nullptr;
}

void CalenderWindow::SetCaption(std::string_view caption) {
  if (Handle() != nullptr && !::SetWindowTextW(Handle(), win32::Utf8ToWide(caption).c_str())) {
    win32::ThrowWin32Error("SetWindowTextW");
  }
}

RECT CalenderWindow::ClientRect() const {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  return client;
}

double CalenderWindow::ScaleWidth() const {
  return win32::PixelsToTwips(ClientRect().right, Dpi());
}

double CalenderWindow::ScaleHeight() const {
  return win32::PixelsToTwips(ClientRect().bottom, Dpi());
}

void CalenderWindow::MovePicture(CalenderPicture picture, double left, double top, double width,
                                 double height) {
  if (!(width >= 0 && height >= 0)) {
    throw InvalidArgumentError("picture box size must not be negative");
  }
  const UINT dpi = Dpi();
  ::MoveWindow(PictureWindow(picture), win32::TwipsToPixels(left, dpi),
               win32::TwipsToPixels(top, dpi), win32::TwipsToPixels(width, dpi),
               win32::TwipsToPixels(height, dpi), TRUE);
}

void CalenderWindow::SetFocus(CalenderPicture picture) {
  if (HWND target = PictureWindow(picture); target != nullptr) {
    ::SetFocus(target);
  }
}

Palette CalenderWindow::CurrentPalette() const {
  return SystemPalette();
}

LRESULT CalenderWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (loaded_) {
        RunHandler([this] { form_.Form_Resize(); });
      }
      return 0;
    case WM_SETFOCUS:
      // picCalender is first in the tab order: activating the window puts the keys there.
      if (picCalender_.Handle() != nullptr) {
        ::SetFocus(picCalender_.Handle());
      }
      return 0;
    case WM_CONTEXTMENU:
      if (loaded_ && ShowCalenderContextMenu(window, picCalender_.Handle(), lParam, form_)) {
        picCalender_.Present();
        return 0;
      }
      break;
    case WM_DESTROY:
      if (unloadHandler_) {
        RunHandler([this] { unloadHandler_(); });
      }
      return 0;
    case WM_NCDESTROY:
      loaded_ = false;
      break;
    default:
      break;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

bool CalenderWindow::GridPaint() {
  if (!loaded_) {
    return false;
  }
  RunHandler([this] { form_.picCalender_Paint(); });
  return true;
}

void CalenderWindow::GridResized() {
  RunAndPresent([this] { form_.picCalender_Resize(); });
}

void CalenderWindow::GridKeyDown(int keyCode) {
  // The form reads no modifier keys, so none are passed.
  RunAndPresent([&] { form_.picCalender_KeyDown(keyCode, 0); });
}

void CalenderWindow::ArrowClicked(CalenderPicture box) {
  RunAndPresent(
      [&] { box == CalenderPicture::kPrev ? form_.picPrev_Click() : form_.picNext_Click(); });
}

void CalenderWindow::ArrowGotFocus(CalenderPicture box) {
  if (loaded_) {
    RunHandler([&] {
      box == CalenderPicture::kPrev ? form_.picPrev_GotFocus() : form_.picNext_GotFocus();
    });
  }
}

void ShowCalenderWindow() {
  // Made at the first use and kept: the form's state outlives the window.
  static CalenderWindow calender;
  calender.Show();
}

}  // namespace mirel
