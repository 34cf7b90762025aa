#include "clock/sys_menu_win.h"

#include <memory>

#include "calendar/calender_window.h"
#include "clock/frm_mirel.h"
#include "clock/input_box_win.h"
#include "components/form_controls/version_info.h"
#include "components/win32/app_info.h"
#include "components/win32/dpi.h"
#include "components/win32/text_conversion.h"
#include "components/win32/unique_handle.h"
#include "components/win32/work_area_fit_win.h"

namespace mirel {
namespace {

// The portable clock spells these Windows values as plain numbers.
static_assert(kSystemCommandMessage == WM_SYSCOMMAND);
static_assert(kMoveCommand == SC_MOVE);

TwipsSize PixelsToTwips(int width, int height, UINT dpi) {
  return {win32::PixelsToTwips(width, dpi), win32::PixelsToTwips(height, dpi)};
}

}  // namespace

void InstallSysMenu(HWND window) {
  HMENU menu = ::GetSystemMenu(window, FALSE);
  if (menu == nullptr) {
    return;  // a window without a system menu has nowhere to show the commands
  }
  ::RemoveMenu(menu, kMoveCommand, MF_BYCOMMAND);
  for (const SysMenuItem& item : kSysMenuItems) {
    const std::wstring text = win32::Utf8ToWide(item.text);
    const auto id = static_cast<UINT_PTR>(item.command);
    // Before the item with identifier 0: the separator above Close.
    if (!::InsertMenuW(menu, 0, MF_BYCOMMAND | MF_STRING, id, text.c_str())) {
      // A menu without such a separator still offers the commands, at its end.
      ::InsertMenuW(menu, static_cast<UINT>(-1), MF_BYPOSITION | MF_STRING, id, text.c_str());
    }
  }
  ::DrawMenuBar(window);
}

void SysMenuWindow::InstallSysMenu() {
  mirel::InstallSysMenu(window_);
}

std::string SysMenuWindow::InputBox(std::string_view prompt, std::string_view title,
                                    InputPreview* preview) {
  return mirel::InputBox(window_, prompt, title, preview);
}

void SysMenuWindow::ShowCalender() {
  ShowCalenderWindow();
}

TwipsSize SysMenuWindow::ScreenSize() const {
  return PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                       win32::WindowDpi(window_));
}

TwipsSize SysMenuWindow::WindowSize() const {
  RECT frame{};
  ::GetWindowRect(window_, &frame);
  return PixelsToTwips(frame.right - frame.left, frame.bottom - frame.top,
                       win32::WindowDpi(window_));
}

void SysMenuWindow::MoveWindow(std::int32_t leftTwips, std::int32_t topTwips) {
  const UINT dpi = win32::WindowDpi(window_);
  RECT frame{};
  ::GetWindowRect(window_, &frame);
  ::OffsetRect(&frame, win32::TwipsToPixels(leftTwips, dpi) - frame.left,
               win32::TwipsToPixels(topTwips, dpi) - frame.top);
  frame = win32::FitIntoWorkArea(frame, win32::Oversize::kKeepSize);
  ::SetWindowPos(window_, nullptr, frame.left, frame.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SysMenuWindow::ShowVersion() {
  // One instance for the whole program, made when first asked for.
  static const std::unique_ptr<VersionInfo> versionInfo = MakeVersionInfo();
  // The class icon, the design page: the window's own icons show the day and are replaced at
  // midnight, which may come while the dialog still shows the one it was given.
  const auto icon = reinterpret_cast<HICON>(::GetClassLongPtrW(window_, GCLP_HICON));
  versionInfo->ShowVersion(window_, ApplicationInfo{win32::ExecutableBaseName(), {}}, icon);
}

void SysMenuWindow::ShowWarning(const std::string& message) {
  const std::wstring title = win32::Utf8ToWide(win32::ExecutableBaseName());
  ::MessageBoxW(window_, win32::Utf8ToWide(message).c_str(), title.c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace mirel
