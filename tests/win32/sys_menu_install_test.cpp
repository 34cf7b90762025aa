// The clock's window menu after installation, read from inside the process (another process
// cannot read a window's system menu under Wine).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "clock/sys_menu_win.h"
#include "tests/support/test_handles_win.h"

namespace mirel {
namespace {

struct MenuItem {
  UINT id;
  std::wstring text;
};

std::vector<MenuItem> ItemsOf(HMENU menu) {
  std::vector<MenuItem> items;
  const int count = ::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    items.push_back({::GetMenuItemID(menu, position), text});
  }
  return items;
}

int PositionOf(const std::vector<MenuItem>& items, UINT id) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].id == id) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

// Also run in an English locale, where the texts must not pass through the ANSI code page.
TEST(InstallSysMenu, ThreeCommandsTogetherBeforeTheSeparatorAboveCloseAndNoMove) {
  if (const char* expected = std::getenv("MIREL_EXPECT_ACP")) {
    ASSERT_EQ(::GetACP(), static_cast<UINT>(std::atoi(expected)));  // the locale took effect
  }
  // The clock window's styles: caption and system menu, no minimise or maximise box.
  win32::UniqueHwnd window(::CreateWindowExW(0, L"STATIC", L"clock",
                                             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 0, 120, 60,
                                             nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(window);
  InstallSysMenu(window.Get());

  const std::vector<MenuItem> items = ItemsOf(::GetSystemMenu(window.Get(), FALSE));
  EXPECT_EQ(PositionOf(items, SC_MOVE), -1);
  const int calender = PositionOf(items, 101);
  ASSERT_GE(calender, 1) << "after the window-state items";
  ASSERT_LT(calender + 4, static_cast<int>(items.size()));
  EXPECT_EQ(items[calender].text, L"カレンダー");
  EXPECT_EQ(items[calender + 1].id, 100u);
  EXPECT_EQ(items[calender + 1].text, L"表示設定");
  EXPECT_EQ(items[calender + 2].id, 102u);
  EXPECT_EQ(items[calender + 2].text, L"バージョン情報");
  EXPECT_EQ(items[calender + 3].id, 0u);  // the separator
  EXPECT_EQ(items[calender + 4].id, static_cast<UINT>(SC_CLOSE));
  for (UINT command : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) {
    const int position = PositionOf(items, command);
    if (position >= 0) {
      EXPECT_LT(position, calender) << command;
    }
  }
}

}  // namespace
}  // namespace mirel
