// The month as the terminal view draws it: DrawCalender on a text surface.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "calendar/draw_calender.h"
#include "components/datetime/date_value.h"
#include "components/datetime/now.h"
#include "components/surface/text_surface.h"

namespace mirel {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

TEST(TextViewTest, MonthWithHolidayFrameAndBottomLine) {
  ScopedNowOverride now(DateSerial(2024, 1, 31));
  TextSurface surface(70, 21);  // 10 columns and 3 lines a cell
  std::string caption;
  DrawCalender(
      surface, {2024, 2, 31},
      [](std::string_view key) { return key == "02/11" ? std::string("建国記念の日") : ""; },
      [&](std::string_view text) { caption = text; });
  EXPECT_EQ(caption, "2024年02月");
  std::vector<std::string> lines = Lines(surface.Render(false));
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_EQ(lines[1], "    日        月        火        水        木        金        土");
  // 1 February 2024 is a Thursday: row 2, column 5.
  EXPECT_EQ(lines[4], "                                             1         2         3");
  // Sunday the 11th, with its name under it from the cell's left edge.
  EXPECT_EQ(lines[10].substr(0, 6), "    11");
  EXPECT_EQ(lines[11], "建国記念の日");
  // February has 29 days: the frame of day 31 stands on the empty Saturday cell of row 6.
  EXPECT_EQ(lines[16].substr(60), "[        ]");
  EXPECT_EQ(lines[20], "今日: 2024/01/31");
}

// With 六曜 (mirel-cal --rokuyo): each on the blank top line of its cell, right-aligned one
// column in from the next cell; March 2026 begins on a Sunday, 旧1月13日 (旧正月 was 17 February).
TEST(TextViewTest, RokuyoOnTheTopLineOfEachCell) {
  ScopedNowOverride now(DateSerial(2026, 3, 5));
  TextSurface surface(70, 21);
  KyurekiCalendar oldCalendar;
  DrawCalender(
      surface, {2026, 3, 5}, [](std::string_view) { return std::string(); },
      [](std::string_view) {}, PaletteFor(Look::kLight), &oldCalendar);
  std::vector<std::string> lines = Lines(surface.Render(false));
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_EQ(lines[3], "     先勝      友引      先負      仏滅      大安      赤口      先勝");
  EXPECT_EQ(lines[4], "     1         2         3         4    [    5   ]     6         7");
  EXPECT_EQ(lines[20], "今日: 2026/03/05 大安 旧1月17日");
  // In a terminal dim, as the window's secondary text.
  EXPECT_NE(surface.Render(true).find("\x1b[0;90m先勝"), std::string::npos);
}

}  // namespace
}  // namespace mirel
