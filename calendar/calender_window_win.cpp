// The calendar window on Win32: a sizable top-level window without owner holding three child
// picture boxes (the grid and the two arrow boxes), each message forwarded to frmCalender's
// handlers. The frmCalender object lives as long as the program, so its holiday list and its
// FormState survive a close; the window itself is made anew at each load.
#include <windows.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>

#include "calendar/calender_context_menu_win.h"
#include "calendar/calender_window.h"
#include "calendar/calender_window_host.h"
#include "calendar/frm_calender.h"
#include "components/errors.h"
#include "components/settings/registry_store.h"
#include "components/surface/gdi_surface_win.h"
#include "components/win32/app_info.h"
#include "components/win32/dpi.h"
#include "components/win32/loaded_windows.h"
#include "components/win32/text_conversion.h"
#include "components/win32/unique_handle.h"
#include "components/win32/win_error.h"
#include "components/win32/window_procedure.h"
#include "components/win32/work_area_fit_win.h"
#include "resources/resource_ids.h"

namespace mirel {
namespace {

// The portable form spells the arrow keys as plain numbers.
static_assert(kKeyLeft == VK_LEFT && kKeyRight == VK_RIGHT);

constexpr wchar_t kFormClass[] = L"frmCalender";
constexpr wchar_t kPictureClass[] = L"MirelCalenderPicture";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_APPWINDOW;
constexpr int kArrowIconPixels = 16;  // at 96 dpi
constexpr FormRect kDesignBounds{11175, 7980, 3525, 2685};

// Child identifiers double as the tab order of the design.
constexpr int kCalenderId = 100;
constexpr int kPrevId = 101;
constexpr int kNextId = 102;

class CalenderWindow final : public CalenderWindowHost {
 public:
  CalenderWindow()
      : instance_(::GetModuleHandleW(nullptr)),
        form_(*this, surface_, settings_,
              CalenderApp{win32::ExecutableBaseName(), win32::ExecutableFolder()}) {}

  void Show();

  // CalenderWindowHost
  std::string FormName() const override { return "frmCalender"; }
  FormRect Bounds() const override;
  void SetBounds(const FormRect& rect) override;
  FormRect DesignBounds() const override { return kDesignBounds; }
  bool IsOnAnyMonitor(const FormRect& rect) const override;
  void SetUnloadHandler(std::function<void()> handler) override {
    unloadHandler_ = std::move(handler);
  }
  void SetCaption(std::string_view caption) override;
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  void MovePicture(CalenderPicture picture, double left, double top, double width,
                   double height) override;
  void SetFocus(CalenderPicture picture) override;

 private:
  LRESULT OnFormMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnPictureMessage(HWND picture, UINT message, WPARAM wParam, LPARAM lParam);
  void RegisterClasses();
  void Load();
  HWND PictureWindow(CalenderPicture picture) const;
  RECT OuterRect(const FormRect& client) const;
  UINT Dpi() const { return win32::WindowDpi(window_); }
  // Puts what the last handler drew on the screen at once.
  void Present();
  void PaintArrow(HWND picture, HDC dc, int iconId);
  template <typename Handler>
  void Run(Handler&& handler) {
    win32::RunHandler(window_, std::forward<Handler>(handler));
  }

  HINSTANCE instance_;
  RegistryStore settings_;
  GdiSurface surface_{kWhite};
  frmCalender form_;
  HWND window_ = nullptr;
  HWND picCalender_ = nullptr;
  HWND picPrev_ = nullptr;
  HWND picNext_ = nullptr;
  bool loaded_ = false;  // the load sequence has run: the handlers may be called
  std::optional<win32::LoadedWindowRegistration> registration_;
  std::function<void()> unloadHandler_;
  bool classesRegistered_ = false;
};

void CalenderWindow::RegisterClasses() {
  if (classesRegistered_) {
    return;
  }
  win32::RegisterWindowClass(
      {kFormClass, &win32::WindowProcedure<CalenderWindow, &CalenderWindow::OnFormMessage>, 0,
       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), IDI_MIREL});
  // No background: every picture box paints its whole area itself.
  win32::RegisterWindowClass(
      {kPictureClass, &win32::WindowProcedure<CalenderWindow, &CalenderWindow::OnPictureMessage>,
       CS_DBLCLKS});
  classesRegistered_ = true;
}

void CalenderWindow::Show() {
  if (window_ != nullptr) {
    if (::IsIconic(window_)) {
      ::ShowWindow(window_, SW_RESTORE);
      win32::KeepInsideWorkArea(window_, win32::Oversize::kShrink);
    }
    ::SetForegroundWindow(window_);
    return;
  }
  Load();
}

void CalenderWindow::Load() {
  RegisterClasses();
  // A reloaded picture box starts from its design state, not from what the last drawing left.
  surface_.SetFontBold(false);
  surface_.SetForeColor(kBlack);
  const RECT outer = OuterRect(kDesignBounds);  // at the system DPI: there is no window yet
  if (::CreateWindowExW(kExStyle, kFormClass, L"", kStyle, outer.left, outer.top,
                        outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                        instance_, this) == nullptr) {
    win32::ThrowWin32Error("CreateWindowExW");
  }
  // picCalender first and lowest; the arrow boxes lie above it.
  for (int id : {kCalenderId, kPrevId, kNextId}) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP;
    HWND child =
        ::CreateWindowExW(0, kPictureClass, L"", style, 0, 0, 0, 0, window_,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, this);
    if (child == nullptr) {
      HWND window = window_;
      ::DestroyWindow(window);
      win32::ThrowWin32Error("CreateWindowExW");
    }
    (id == kCalenderId ? picCalender_ : id == kPrevId ? picPrev_ : picNext_) = child;
  }
  ::SetWindowPos(picPrev_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::SetWindowPos(picNext_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  Run([this] { form_.Form_Load(); });
  // Once the load has put back the stored place and size, both together: the design place, or
  // one stored on a larger screen or at a lower DPI, can reach past the work area.
  win32::KeepInsideWorkArea(window_, win32::Oversize::kShrink);
  loaded_ = true;
  Run([this] { form_.Form_Resize(); });
  if (window_ != nullptr) {
    ::ShowWindow(window_, SW_SHOWNORMAL);
    ::SetForegroundWindow(window_);
    ::SetFocus(picCalender_);
  }
}

HWND CalenderWindow::PictureWindow(CalenderPicture picture) const {
  switch (picture) {
    case CalenderPicture::kCalender:
      return picCalender_;
    case CalenderPicture::kPrev:
      return picPrev_;
    case CalenderPicture::kNext:
      return picNext_;
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
  if (window_ == nullptr) {
    return kDesignBounds;
  }
  // The normal placement, so a window closed while minimised or maximised reopens as it was
  // before. Its coordinates are relative to the primary work area.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  ::GetWindowPlacement(window_, &placement);
  RECT outer = placement.rcNormalPosition;
  if ((::GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0) {
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
  if (window_ == nullptr) {
    return;
  }
  RECT outer = OuterRect(client);
  ::SetWindowPos(window_, nullptr, outer.left, outer.top, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CalenderWindow::IsOnAnyMonitor(const FormRect& client) const {
  RECT outer = OuterRect(client);
  // The caption must be reachable, not merely a corner of the frame.
  RECT caption{outer.left, outer.top, outer.right, outer.top + ::GetSystemMetrics(SM_CYCAPTION)};
  return ::MonitorFromRect(&caption, MONITOR_DEFAULTTONULL) != nullptr;
}

void CalenderWindow::SetCaption(std::string_view caption) {
  if (window_ != nullptr && !::SetWindowTextW(window_, win32::Utf8ToWide(caption).c_str())) {
    win32::ThrowWin32Error("SetWindowTextW");
  }
}

double CalenderWindow::ScaleWidth() const {
  RECT client{};
  ::GetClientRect(window_, &client);
  return static_cast<double>(client.right) * win32::kTwipsPerInch / Dpi();
}

double CalenderWindow::ScaleHeight() const {
  RECT client{};
  ::GetClientRect(window_, &client);
  return static_cast<double>(client.bottom) * win32::kTwipsPerInch / Dpi();
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

void CalenderWindow::Present() {
  if (picCalender_ != nullptr && !surface_.Empty()) {
    win32::WindowDcGuard dc(picCalender_);
    surface_.CopyTo(dc.Dc());
  }
}

void CalenderWindow::PaintArrow(HWND picture, HDC dc, int iconId) {
  RECT client{};
  ::GetClientRect(picture, &client);
  FillSolidRect(dc, client, kBlue);
  const int size = ::MulDiv(kArrowIconPixels, static_cast<int>(Dpi()), USER_DEFAULT_SCREEN_DPI);
  win32::UniqueHicon icon(static_cast<HICON>(
      ::LoadImageW(instance_, MAKEINTRESOURCEW(iconId), IMAGE_ICON, size, size, 0)));
  if (icon) {
    ::DrawIconEx(dc, 0, 0, icon.Get(), size, size, 0, nullptr, DI_NORMAL);
  }
}

LRESULT CalenderWindow::OnFormMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      window_ = window;
      return ::DefWindowProcW(window, message, wParam, lParam);
    case WM_CREATE:
      registration_.emplace(window);
      return 0;
    case WM_SIZE:
      if (loaded_) {
        Run([this] { form_.Form_Resize(); });
      }
      return 0;
    case WM_SETFOCUS:
      // picCalender is first in the tab order: activating the window puts the keys there.
      if (picCalender_ != nullptr) {
        ::SetFocus(picCalender_);
      }
      return 0;
    case WM_CONTEXTMENU:
      if (loaded_ && ShowCalenderContextMenu(window, picCalender_, lParam, form_)) {
        Present();
        return 0;
      }
      return ::DefWindowProcW(window, message, wParam, lParam);
    case WM_DESTROY:
      if (unloadHandler_) {
        Run([this] { unloadHandler_(); });
      }
      return 0;
    case WM_NCDESTROY: {
      registration_.reset();
      loaded_ = false;
      window_ = picCalender_ = picPrev_ = picNext_ = nullptr;
      return ::DefWindowProcW(window, message, wParam, lParam);
    }
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

LRESULT CalenderWindow::OnPictureMessage(HWND picture, UINT message, WPARAM wParam, LPARAM lParam) {
  const int id = ::GetDlgCtrlID(picture);
  const bool isGrid = id == kCalenderId;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything; erasing first would flicker
    case WM_PAINT: {
      win32::PaintGuard paint(picture);
      if (!isGrid) {
        PaintArrow(picture, paint.Dc(), id == kPrevId ? IDI_ARROW_PREV : IDI_ARROW_NEXT);
      } else if (loaded_) {
        Run([this] { form_.picCalender_Paint(); });
        surface_.CopyTo(paint.Dc());
      }
      return 0;
    }
    case WM_SIZE:
      if (isGrid) {
        win32::WindowDcGuard dc(picture);
        surface_.SetDpi(Dpi());
        surface_.Resize(dc.Dc(), LOWORD(lParam), HIWORD(lParam));
        if (loaded_) {
          Run([this] { form_.picCalender_Resize(); });
          Present();
        }
      }
      return 0;
    case WM_KEYDOWN:
      if (isGrid && loaded_) {
        int shift = (::GetKeyState(VK_SHIFT) < 0 ? 1 : 0) |
                    (::GetKeyState(VK_CONTROL) < 0 ? 2 : 0) | (::GetKeyState(VK_MENU) < 0 ? 4 : 0);
        Run([&] { form_.picCalender_KeyDown(static_cast<int>(wParam), shift); });
        Present();
      }
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // A picture box takes the focus when clicked; an arrow box hands it on at once.
      ::SetFocus(picture);
      if (!isGrid) {
        ::SetCapture(picture);
      }
      return 0;
    case WM_LBUTTONUP:
      if (!isGrid && ::GetCapture() == picture) {
        ::ReleaseCapture();
        RECT client{};
        ::GetClientRect(picture, &client);
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (loaded_ && ::PtInRect(&client, point)) {
          Run([&] { id == kPrevId ? form_.picPrev_Click() : form_.picNext_Click(); });
          Present();
        }
      }
      return 0;
    case WM_SETFOCUS:
      if (loaded_ && !isGrid) {
        Run([&] { id == kPrevId ? form_.picPrev_GotFocus() : form_.picNext_GotFocus(); });
      }
      return 0;
    default:
      return ::DefWindowProcW(picture, message, wParam, lParam);
  }
}

}  // namespace

void ShowCalenderWindow() {
  // Made at the first use and kept: the form's state outlives the window.
  static CalenderWindow calender;
  calender.Show();
}

}  // namespace mirel
