#include "calendar/calender_context_menu_win.h"

#include <string_view>

#include "components/win32/text_conversion.h"
#include "components/win32/unique_handle.h"
#include "components/win32/win_error.h"

namespace mirel {
namespace {

constexpr UINT kNationalHolidaysCommand = 1;
constexpr UINT kRokuyoCommand = 2;

// Where the menu opens, in screen coordinates. From the keyboard (both coordinates -1) there is no
// mouse position: below the weekday names at the grid's left, where the eye already is.
POINT MenuPoint(HWND grid, LPARAM lParam) {
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (point.x == -1 && point.y == -1) {
    RECT client{};
    ::GetClientRect(grid, &client);
    point = {client.right / 14, client.bottom / 7};
    ::ClientToScreen(grid, &point);
  }
  return point;
}

bool InClientArea(HWND window, POINT screenPoint) {
  if (screenPoint.x == -1 && screenPoint.y == -1) {
    return true;
  }
  RECT client{};
  ::GetClientRect(window, &client);
  ::ScreenToClient(window, &screenPoint);
  return ::PtInRect(&client, screenPoint) != FALSE;
}

// The menu of the switches, each checked while it is on.
win32::UniqueMenu MakeMenu(const frmCalender& form) {
  win32::UniqueMenu menu(::CreatePopupMenu());
  if (!menu) {
    win32::ThrowWin32Error("CreatePopupMenu");
  }
  const struct {
    UINT command;
    std::string_view text;
    bool checked;
  } items[] = {{kNationalHolidaysCommand, kNationalHolidaysMenuText, form.NationalHolidays},
               {kRokuyoCommand, kRokuyoMenuText, form.ShowRokuyo}};
  for (const auto& item : items) {
    const UINT state = item.checked ? MF_CHECKED : MF_UNCHECKED;
    if (!::AppendMenuW(menu.Get(), MF_STRING | state, item.command,
                       win32::Utf8ToWide(item.text).c_str())) {
      win32::ThrowWin32Error("AppendMenuW");
    }
  }
  return menu;
}

}  // namespace

bool ShowCalenderContextMenu(HWND window, HWND grid, LPARAM lParam, frmCalender& form) noexcept {
  const POINT mouse{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (!InClientArea(window, mouse)) {
    return false;
  }
  UINT command = 0;
  win32::RunHandler(window, [&] {
    const win32::UniqueMenu menu = MakeMenu(form);
    const POINT at = MenuPoint(grid, lParam);
    // TPM_RETURNCMD: the choice comes back here rather than as WM_COMMAND to the window.
    command = static_cast<UINT>(::TrackPopupMenuEx(
        menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y,
        window, nullptr));
  });
  if (command == kNationalHolidaysCommand) {
    win32::RunHandler(window, [&] { form.mnuNationalHolidays_Click(); });
  } else if (command == kRokuyoCommand) {
    win32::RunHandler(window, [&] { form.mnuRokuyo_Click(); });
  }
  return true;
}

}  // namespace mirel
