#include "calendar/draw_calender.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "components/datetime/date_value.h"
#include "components/datetime/now.h"
#include "components/errors.h"
#include "components/format/format.h"
#include "tests/support/recording_surface.h"

namespace mirel {
namespace {

struct DrawnDay {
  int col = 0;
  int row = 0;
  Color color = 0;
  bool bold = false;
  double y = 0;      // the number's top
  std::string name;  // the text printed under the number
  double nameX = 0;
  double nameDrop = 0;  // how far below the number's top the name stands
};

// A colour of its own for each role, so every colour drawn names the role it was asked for.
// Which colour each role has in each look is the palette test's.
const Palette kPalette = [] {
  std::array<Color, kColourRoleCount> colours{};
  for (std::size_t role = 0; role < kColourRoleCount; ++role) {
    colours[role] = 0x010101 * static_cast<Color>(role + 1);
  }
  return Palette(colours);
}();

Color Of(ColourRole role) {
  return kPalette[role];
}

// Draws one month and reads the days back from the recorded prints: a day number is followed
// by the print of its holiday name; the 六曜 are printed right-aligned.
class DrawCalenderTest : public ::testing::Test {
 protected:
  void Draw(CalenderMonth month, std::map<std::string, std::string> holidays = {},
            KyurekiCalendar* rokuyoFrom = nullptr) {
    caption_.clear();
    keys_.clear();
    surface_.ClearOps();
    DrawCalender(
        surface_, month,
        [&](std::string_view key) {
          keys_.emplace_back(key);
          auto it = holidays.find(std::string(key));
          return it == holidays.end() ? std::string() : it->second;
        },
        [&](std::string_view caption) { caption_ = caption; }, kPalette, rokuyoFrom);
  }

  std::map<int, DrawnDay> Days() const {
    std::map<int, DrawnDay> days;
    std::vector<DrawOp> prints = surface_.OpsOf(DrawOpKind::kPrint);
    for (std::size_t i = 7; i + 1 < prints.size(); i += 2) {
      const DrawOp& number = prints[i];
      if (number.text.empty() || number.text.find("今日") != std::string::npos) {
        break;
      }
      days[std::stoi(number.text)] = {.col = static_cast<int>(std::floor(number.x1)) + 1,
                                      .row = static_cast<int>(std::floor(number.y1)) + 1,
                                      .color = number.color,
                                      .bold = number.bold,
                                      .y = number.y1,
                                      .name = prints[i + 1].text,
                                      .nameX = prints[i + 1].x1,
                                      .nameDrop = prints[i + 1].y1 - number.y1};
    }
    return days;
  }

  ScopedNowOverride now_{DateSerial(2024, 3, 5) + 0.5};
  RecordingSurface surface_;
  std::string caption_;
  std::vector<std::string> keys_;
};

TEST_F(DrawCalenderTest, HeadingBandAndWeekdayNames) {
  Draw({2024, 3, 5});
  const std::vector<DrawOp>& ops = surface_.Ops();
  ASSERT_GE(ops.size(), 5u);
  EXPECT_EQ(ops[0].kind, DrawOpKind::kSetBackColor);
  EXPECT_EQ(ops[1].kind, DrawOpKind::kCls);
  EXPECT_EQ(ops[1].color, Of(ColourRole::kBackground));
  EXPECT_EQ(ops[2].kind, DrawOpKind::kScale);
  EXPECT_EQ(ops[2].x2, 7);
  EXPECT_EQ(ops[2].y2, 7);
  EXPECT_EQ(ops[3].mode, kDrawModeCopyPen);
  EXPECT_EQ(ops[4].kind, DrawOpKind::kLine);
  EXPECT_EQ(ops[4].lineKind, LineKind::kFilledBox);
  EXPECT_EQ(ops[4].color, Of(ColourRole::kHeadingBand));
  EXPECT_EQ(ops[4].y2, 1);

  std::vector<DrawOp> prints = surface_.OpsOf(DrawOpKind::kPrint);
  const char* names[] = {"日", "月", "火", "水", "木", "金", "土"};
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(prints[i].text, names[i]);
    EXPECT_EQ(prints[i].color, Of(i == 0 ? ColourRole::kHeadingSunday : ColourRole::kHeadingText));
    EXPECT_TRUE(prints[i].bold);
    EXPECT_LT(prints[i].y1, 1);
    EXPECT_NEAR(prints[i].x1 + surface_.TextWidth(names[i]) / 2, i + 0.5, 0.02);
  }
}

TEST_F(DrawCalenderTest, DaysFallIntoTheirCells) {
  struct Case {
    int year, month, day, col, row, nDays, lastRow;
  };
  const Case cases[] = {
      {2024, 9, 1, 1, 2, 30, 6},   // begins on a Sunday
      {2025, 3, 31, 2, 7, 31, 7},  // 31 days beginning on a Saturday
      {2015, 2, 28, 7, 5, 28, 5},  // 28 days from a Sunday fill rows 2 to 5 exactly
      {2000, 2, 29, 3, 6, 29, 6},  // leap year
      {2024, 3, 20, 4, 5, 31, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "/" + std::to_string(c.month));
    Draw({c.year, c.month, 1});
    std::map<int, DrawnDay> days = Days();
    ASSERT_EQ(static_cast<int>(days.size()), c.nDays);
    EXPECT_EQ(days[c.day].col, c.col);
    EXPECT_EQ(days[c.day].row, c.row);
    EXPECT_EQ(days[c.nDays].row, c.lastRow);
  }
}

TEST_F(DrawCalenderTest, ColoursByWeekdayAndHoliday) {
  // March 2024: the 2nd is a Saturday, the 3rd a Sunday, the 20th a Wednesday holiday, the
  // 9th a Saturday holiday, the 16th a Saturday with an empty holiday name.
  Draw({2024, 3, 5}, {{"03/20", "春分の日"}, {"03/09", "土曜の祝日"}, {"03/16", ""}});
  std::map<int, DrawnDay> days = Days();
  struct Case {
    int day;
    ColourRole role;
    bool bold;
    std::string name;
  };
  using enum ColourRole;
  const Case cases[] = {
      {2, kSaturday, true, ""},
      {3, kSunday, true, ""},
      {4, kText, false, ""},
      {20, kHoliday, true, "春分の日"},
      {9, kHoliday, true, "土曜の祝日"},
      {16, kSaturday, true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.day);
    EXPECT_EQ(days[c.day].color, Of(c.role));
    EXPECT_EQ(days[c.day].bold, c.bold);
    EXPECT_EQ(days[c.day].name, c.name);
    EXPECT_EQ(days[c.day].nameX, days[c.day].col - 1);  // from the cell's left edge
    // One line of the number's weight below it.
    EXPECT_NEAR(days[c.day].nameDrop, (c.bold ? 16.0 : 14.0) * 7 / 490, 1e-9);
  }
  ASSERT_EQ(keys_.size(), 31u);
  EXPECT_EQ(keys_.front(), "03/01");
  EXPECT_EQ(keys_.back(), "03/31");
}

TEST_F(DrawCalenderTest, MeasuresBeforeSettingWeight) {
  // A day's number is measured in the weight the previous print left: Monday the 4th follows
  // Sunday's bold name line, Tuesday the 5th follows Monday's regular one.
  Draw({2024, 3, 5});
  std::vector<DrawOp> widths = surface_.OpsOf(DrawOpKind::kTextWidth);
  std::map<std::string, bool> weightOf;
  for (const DrawOp& op : widths) {
    weightOf.emplace(op.text, op.bold);
  }
  EXPECT_FALSE(weightOf["日"]);  // first heading of a first call: the design weight
  EXPECT_TRUE(weightOf["月"]);
  EXPECT_TRUE(weightOf["4"]);
  EXPECT_FALSE(weightOf["5"]);

  // The next call begins with the bold weight the bottom line left.
  surface_.ClearOps();
  Draw({2024, 3, 5});
  EXPECT_TRUE(surface_.OpsOf(DrawOpKind::kTextWidth).front().bold);
}

TEST_F(DrawCalenderTest, CaptionCarriesMonthsIntoTheYear) {
  struct Case {
    int year, month;
    std::string caption;
  };
  const Case cases[] = {
      {2000, 12, "2000年12月"},    {2000, 13, "2001年01月"},  {2000, 0, "1999年12月"},
      {2000, 24, "2001年12月"},    {2000, -12, "1998年12月"}, {9999, 12, "9999年12月"},
      {2000, 32767, "4730年07月"},  // far beyond the 16-bit month: still drawn
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    Draw({c.year, c.month, 1});
    EXPECT_EQ(caption_, c.caption);
  }
  // The grid of month 13 is January of the next year.
  Draw({2000, 13, 1});
  std::map<int, DrawnDay> carried = Days();
  Draw({2001, 1, 1});
  std::map<int, DrawnDay> plain = Days();
  ASSERT_EQ(carried.size(), plain.size());
  EXPECT_EQ(carried[1].col, plain[1].col);
  EXPECT_EQ(keys_.front(), "01/01");
}

TEST_F(DrawCalenderTest, FrameFollowsCurDayInAnyMonth) {
  struct Case {
    int year, month, curDay, col, row;
  };
  const Case cases[] = {
      {2024, 3, 5, 3, 3},   // Tuesday 5 March
      {2024, 4, 31, 4, 6},  // April has 30 days: the empty cell after the 30th (Tuesday)
      {2024, 9, 1, 1, 2},
      {2025, 3, 31, 2, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.curDay);
    surface_.ClearOps();
    Draw({c.year, c.month, c.curDay});
    std::vector<DrawOp> lines = surface_.OpsOf(DrawOpKind::kLine);
    ASSERT_EQ(lines.size(), 2u);
    const DrawOp& frame = lines[1];
    EXPECT_EQ(frame.lineKind, LineKind::kBox);
    EXPECT_EQ(frame.color, Of(ColourRole::kTodayFrame));
    EXPECT_EQ(frame.x1, c.col - 1);
    EXPECT_EQ(frame.y1, c.row - 1);
    EXPECT_EQ(frame.x2, c.col);
    EXPECT_EQ(frame.y2, c.row);
  }
}

TEST_F(DrawCalenderTest, BottomLineShowsTodayInBold) {
  Draw({2030, 7, 5});
  const DrawOp last = surface_.OpsOf(DrawOpKind::kPrint).back();
  EXPECT_EQ(last.text, "今日: " + Format(DateSerial(2024, 3, 5), "ddddd"));
  EXPECT_EQ(last.color, Of(ColourRole::kTodayText));
  EXPECT_TRUE(last.bold);
  EXPECT_EQ(last.x1, 0);
  EXPECT_NEAR(last.y1, 7 - surface_.TextHeight("x"), 1e-9);
  EXPECT_TRUE(surface_.OpsOf(DrawOpKind::kSetFontSize).empty());  // no 六曜 asked for
}

// March 2026 as calendars print it: 旧正月 fell on 17 February [KASI, as in the old-calendar
// tests] and the next new moon on 19 March, so 1 March is 旧1月13日 and 19 March 旧2月1日; the
// 六曜 is (month + day) mod 6 from 大安.
TEST_F(DrawCalenderTest, RokuyoStandsSmallAtTheTopRightOfEachCell) {
  KyurekiCalendar oldCalendar;
  ScopedNowOverride now(DateSerial(2026, 3, 5) + 0.5);
  Draw({2026, 3, 5}, {{"03/20", "春分の日"}});
  std::map<int, DrawnDay> without = Days();
  Draw({2026, 3, 5}, {{"03/20", "春分の日"}}, &oldCalendar);
  const std::vector<DrawOp> rokuyo = surface_.OpsOf(DrawOpKind::kPrintRightAligned);
  ASSERT_EQ(rokuyo.size(), 31u);
  struct Case {
    int day;
    const char* name;
  };
  const Case cases[] = {
      {1, "先勝"},   // 旧1月13日
      {5, "大安"},   // 旧1月17日
      {18, "赤口"},  // 旧1月30日
      {19, "友引"},  // 旧2月1日: a month starts from its own first 六曜, not the next in turn
      {20, "先負"},  // a holiday: its name keeps its place under the number
      {31, "友引"},  // 旧2月13日
  };
  std::map<int, DrawnDay> days = Days();
  ASSERT_EQ(days.size(), 31u);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.day);
    const DrawOp& print = rokuyo[c.day - 1];
    EXPECT_EQ(print.text, c.name);
    EXPECT_EQ(print.color, Of(ColourRole::kSecondaryText));
    EXPECT_FALSE(print.bold);
    EXPECT_EQ(print.size, FontSize::kSmall);
    // On the cell's top line, ending one small space (5 pixels) before its right edge.
    EXPECT_NEAR(print.x2, days[c.day].col - 5 * 7.0 / 700, 1e-9);
    EXPECT_NEAR(print.y1, days[c.day].row - 1, 1e-9);
    // The number a quarter of the small line lower (measured in the bold the weekday names
    // leave: 12 pixels), its holiday name with it.
    EXPECT_NEAR(days[c.day].y - without[c.day].y, 3.0 * 7 / 490, 1e-9);
    EXPECT_NEAR(days[c.day].nameDrop, without[c.day].nameDrop, 1e-9);
    EXPECT_EQ(days[c.day].col, without[c.day].col);
  }
  EXPECT_EQ(days[20].name, "春分の日");
  EXPECT_EQ(days[20].color, Of(ColourRole::kHoliday));
  // The bottom line after them, in the regular size and where it always stands.
  const DrawOp last = surface_.OpsOf(DrawOpKind::kPrint).back();
  EXPECT_EQ(last.size, FontSize::kRegular);
  EXPECT_TRUE(last.bold);
  EXPECT_NEAR(last.y1, 7 - 16.0 * 7 / 490, 1e-9);
}

// After today's date its 六曜 and old-calendar date, with 閏 in a leap month, wherever the month
// shown is; only the date where the old calendar does not reach. The grid's 六曜 follow the
// month shown.
TEST_F(DrawCalenderTest, BottomLineCarriesTodaysRokuyoWhereTheOldCalendarReaches) {
  struct Case {
    int year, month, day;  // today
    CalenderMonth shown;
    std::string after;       // after the date
    std::size_t gridRokuyo;  // 六曜 drawn in the grid
  };
  const Case cases[] = {
      {2026, 3, 5, {2026, 3, 5}, " 大安 旧1月17日", 31},
      {2020, 5, 23, {2020, 5, 23}, " 仏滅 閏4月1日", 31},  // 閏4月 began that day [KASI]
      {1873, 1, 1, {1872, 13, 1}, " 友引 旧12月3日", 31},  // 明治5年12月3日 became 1 January 1873
      {1872, 12, 31, {1872, 12, 31}, "", 0},  // the old calendar was still the civil one
      {1872, 12, 31, {1873, 2, 1}, "", 28},
      {2201, 1, 1, {2201, 1, 1}, "", 0},
      {2026, 3, 5, {2201, 1, 5}, " 大安 旧1月17日", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day) + " showing " + std::to_string(c.shown.CurYear) + "/" +
                 std::to_string(c.shown.CurMonth));
    const DateValue today = DateSerial(c.year, c.month, c.day);
    ScopedNowOverride now(today);
    KyurekiCalendar oldCalendar;
    Draw(c.shown, {}, &oldCalendar);
    EXPECT_EQ(surface_.OpsOf(DrawOpKind::kPrint).back().text,
              "今日: " + Format(today, "ddddd") + c.after);
    EXPECT_EQ(surface_.OpsOf(DrawOpKind::kPrintRightAligned).size(), c.gridRokuyo);
  }
}

TEST_F(DrawCalenderTest, ClosingStepsAreSkippedOneByOne) {
  // The caption fails: frame and bottom line still come.
  surface_.ClearOps();
  DrawCalender(
      surface_, {2024, 3, 5}, [](std::string_view) { return std::string(); },
      [](std::string_view) { throw RunTimeError(ErrorNumber::kInvalidArgument, "caption"); });
  EXPECT_EQ(surface_.OpsOf(DrawOpKind::kLine).size(), 2u);
  EXPECT_EQ(surface_.OpsOf(DrawOpKind::kPrint).back().text.rfind("今日", 0), 0u);

  // The frame fails: the bottom line still comes, and the caption was set.
  surface_.ClearOps();
  surface_.FailOn(DrawOpKind::kLine, 1);
  EXPECT_NO_THROW(Draw({2024, 3, 5}));
  EXPECT_EQ(caption_, "2024年03月");
  EXPECT_EQ(surface_.OpsOf(DrawOpKind::kLine).size(), 1u);
  EXPECT_EQ(surface_.OpsOf(DrawOpKind::kPrint).back().text.rfind("今日", 0), 0u);

  // The fourth 六曜 fails: the rest of them are skipped, the size is regular again, the frame
  // and the bottom line with today's 六曜 (5 March 2024, 旧1月25日: 旧正月 was 10 February) come.
  KyurekiCalendar oldCalendar;
  surface_.ClearOps();
  surface_.FailOn(DrawOpKind::kPrintRightAligned, 3);
  EXPECT_NO_THROW(Draw({2024, 3, 5}, {}, &oldCalendar));
  EXPECT_EQ(surface_.OpsOf(DrawOpKind::kPrintRightAligned).size(), 3u);
  EXPECT_EQ(surface_.OpsOf(DrawOpKind::kSetFontSize).back().size, FontSize::kRegular);
  EXPECT_EQ(surface_.OpsOf(DrawOpKind::kLine).size(), 2u);
  const DrawOp last = surface_.OpsOf(DrawOpKind::kPrint).back();
  EXPECT_EQ(last.text, "今日: " + Format(DateSerial(2024, 3, 5), "ddddd") + " 先勝 旧1月25日");
  EXPECT_EQ(last.size, FontSize::kRegular);
}

TEST_F(DrawCalenderTest, FailureWhileDrawingDaysReachesTheCaller) {
  surface_.FailOn(DrawOpKind::kPrint, 10);  // the 11th print: day 2's name
  EXPECT_THROW(Draw({2024, 3, 5}), RunTimeError);
  EXPECT_EQ(caption_, "");
  EXPECT_EQ(surface_.OpsOf(DrawOpKind::kLine).size(), 1u);  // the band only, no frame

  // A year the date functions cannot show fails after the band and the weekday names.
  surface_.ClearOps();
  EXPECT_THROW(Draw({10000, 1, 1}), RunTimeError);
  EXPECT_EQ(surface_.OpsOf(DrawOpKind::kPrint).size(), 7u);
  EXPECT_EQ(caption_, "");
}

// The folding itself is checked through the captions above.
TEST(ShowableMonthTest, JanuaryOf100ToDecemberOf9999) {
  EXPECT_TRUE(IsShowableMonth(100, 1));
  EXPECT_FALSE(IsShowableMonth(100, 0));
  EXPECT_TRUE(IsShowableMonth(9999, 12));
  EXPECT_FALSE(IsShowableMonth(9999, 13));
  EXPECT_TRUE(IsShowableMonth(2026, 12 * 7974));  // December 9999 by month count alone
  EXPECT_FALSE(IsShowableMonth(2026, 12 * 7974 + 1));
}

}  // namespace
}  // namespace mirel
