#include "components/kyureki/kyureki.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "components/datetime/civil_date.h"
#include "components/kyureki/rokuyo.h"

namespace mirel {

// Failures show 閏4/1 rather than the bytes.
void PrintTo(const KyurekiDate& date, std::ostream* out) {
  *out << (date.leap ? "閏" : "") << date.month << "/" << date.day;
}

namespace {

struct DateCase {
  int year, month, day;
  KyurekiDate expected;
};

void ExpectDate(const DateCase& c) {
  SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
               std::to_string(c.day));
  const std::optional<KyurekiDate> date = KyurekiDateOf(c.year, c.month, c.day);
  ASSERT_TRUE(date.has_value());
  EXPECT_EQ(*date, c.expected);
}

// Sources, by comment below:
//  [KASI]  the lunar calendar table of the Korea Astronomy and Space Science Institute, reckoned
//          in UTC+9 like Japan's from 1912 (its day-by-day agreement with this calendar over
//          1912-2050 was checked outside the tests);
//  [NAOJ]  国立天文台 暦要項, 朔弦望 (new moons in JST to the minute), as quoted in Hatena
//          Keyword 旧正月 (1997) and in published test data (2015);
//  [WP]    Wikipedia ja, 旧正月 (the dates of 旧正月 in Japan) and 旧暦2033年問題;
//  [暦文協] 日本カレンダー暦文化振興協会's recommendation for 2033 (閏11月案).

// 旧正月 and the day before it across the range.
constexpr DateCase kNewYears[] = {
    {1873, 1, 1, {12, 3, false}},    // 明治5年12月3日 became 明治6年1月1日
    {1900, 1, 31, {1, 1, false}},    // [KASI], and the Hong Kong Observatory's table
    {1950, 2, 17, {1, 1, false}},    // [KASI]
    {1985, 2, 19, {12, 30, false}},  // [KASI]: a year whose months hold two 中気 and none
    {1985, 2, 20, {1, 1, false}},    // [KASI]
    {2000, 2, 5, {1, 1, false}},     // [KASI]
    {2012, 1, 23, {1, 1, false}},    // [WP]
    {2015, 2, 19, {1, 1, false}},    // [WP]
    {2020, 1, 25, {1, 1, false}},    // [KASI]
    {2026, 2, 16, {12, 29, false}},  // [KASI]
    {2026, 2, 17, {1, 1, false}},    // [KASI]
    {2033, 1, 31, {1, 1, false}},    // [KASI]
    {2034, 2, 19, {1, 1, false}},    // [暦文協]
    {2100, 2, 9, {1, 1, false}},     // Hong Kong Observatory (UTC+8; the new moon is at midday)
};

TEST(KyurekiDateOf, NewYearAcrossTheRange) {
  for (const DateCase& c : kNewYears) {
    ExpectDate(c);
  }
}

// The first day of each leap month and the day before it: [KASI], and the list of leap months
// of 1843-2031 in Yahoo!知恵袋 q1451934619.
constexpr DateCase kLeapMonths[] = {
    {1966, 4, 20, {3, 30, false}},
    {1966, 4, 21, {3, 1, true}},  // 1965's 9月 holds no 中気
    {1984, 11, 22, {10, 30, false}},
    {1984, 11, 23, {10, 1, true}},
    {2012, 4, 21, {3, 1, true}},
    {2014, 10, 24, {9, 1, true}},
    {2017, 6, 24, {5, 1, true}},
    {2020, 5, 23, {4, 1, true}},
    {2023, 3, 22, {2, 1, true}},
    {2023, 4, 20, {3, 1, false}},
    {2025, 7, 25, {6, 1, true}},
    {2028, 6, 23, {5, 1, true}},
    // 2033-2034: the months of 秋分 and 冬至 cannot be 8 and 11 both; the month after the
    // 冬至 month is 閏11月, and 2033-09-23, the month of 秋分, becomes 9月 [暦文協].
    {2033, 9, 23, {9, 1, false}},
    {2033, 11, 22, {11, 1, false}},
    {2033, 12, 22, {11, 1, true}},
    {2034, 1, 20, {12, 1, false}},
};

TEST(KyurekiDateOf, LeapMonths) {
  for (const DateCase& c : kLeapMonths) {
    ExpectDate(c);
  }
}

// Where a month holds two 中気 another holds none without being a leap month: 1965-09-25
// begins 9月, and 1985's months run on from 閏10月 of 1984 [KASI].
TEST(KyurekiDateOf, MonthWithoutPrincipalTermIsNotAlwaysLeap) {
  ExpectDate({1965, 9, 25, {9, 1, false}});
  ExpectDate({1965, 10, 24, {10, 1, false}});
  ExpectDate({1985, 1, 21, {12, 1, false}});
}

// New moons within minutes of JST midnight: the month begins on the day the new moon falls on
// in Japan. Dates [KASI]; instants [NAOJ] for 1997 and 2015, computed here for the others.
constexpr DateCase kNewMoonsNearMidnight[] = {
    {1997, 2, 7, {12, 30, false}},  {1997, 2, 8, {1, 1, false}},    // 2/8 00:06
    {2005, 12, 1, {10, 30, false}}, {2005, 12, 2, {11, 1, false}},  // 12/2 00:01
    {2012, 6, 19, {4, 30, false}},  {2012, 6, 20, {5, 1, false}},   // 6/20 00:02
    {2015, 8, 14, {7, 1, false}},   {2015, 8, 15, {7, 2, false}},   // 8/14 23:53
    {2017, 2, 26, {2, 1, false}},                                   // 2/26 23:58
};

TEST(KyurekiDateOf, NewMoonNearMidnight) {
  for (const DateCase& c : kNewMoonsNearMidnight) {
    ExpectDate(c);
  }
}

TEST(KyurekiDateOf, NoneOutsideTheRangeOrForNoDate) {
  EXPECT_FALSE(KyurekiDateOf(1872, 12, 31));
  EXPECT_TRUE(KyurekiDateOf(2200, 12, 31));
  EXPECT_FALSE(KyurekiDateOf(2201, 1, 1));
  EXPECT_FALSE(KyurekiDateOf(2023, 2, 29));
  EXPECT_FALSE(KyurekiDateOf(2024, 13, 1));
  EXPECT_FALSE(KyurekiDateOf(2024, 1, 0));
  for (const auto& month : {KyurekiDatesOfMonth(1872, 12), KyurekiDatesOfMonth(2201, 1)}) {
    for (const std::optional<KyurekiDate>& date : month) {
      EXPECT_FALSE(date);
    }
  }
  EXPECT_FALSE(KyurekiDatesOfMonth(2024, 2)[29]);  // no 30 February
}

// Over the whole range: a month's dates drawn at once are the dates of its days one by one
// (through a second calendar, with a cache of its own), every old-calendar month has 29 or 30
// days, and months follow in order, a leap month repeating the number before it.
TEST(KyurekiDatesOfMonth, AgreesDayByDayAndMonthsFollowInOrder) {
  KyurekiCalendar monthly;
  KyurekiCalendar daily;
  KyurekiDate before = *daily.DateOf(1872 + 1, 1, 1);
  int leapMonths = 0;
  for (int year = 1873; year <= 2200; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const KyurekiMonthDates dates = monthly.DatesOfMonth(year, month);
      for (int day = 1; day <= DaysInMonth(year, month); ++day) {
        const std::optional<KyurekiDate> date = dates[day - 1];
        ASSERT_TRUE(date) << year << "-" << month << "-" << day;
        ASSERT_EQ(date, daily.DateOf(year, month, day)) << year << "-" << month << "-" << day;
        if (year == 1873 && month == 1 && day == 1) {
          continue;
        }
        if (date->day == 1) {
          ASSERT_TRUE(before.day == 29 || before.day == 30) << year << "-" << month << "-" << day;
          const int next = before.month % 12 + 1;
          ASSERT_TRUE(date->leap ? date->month == before.month && !before.leap
                                 : date->month == next)
              << year << "-" << month << "-" << day;
          leapMonths += date->leap;
        } else {
          ASSERT_EQ(*date, (KyurekiDate{before.month, before.day + 1, before.leap}))
              << year << "-" << month << "-" << day;
        }
        before = *date;
      }
    }
  }
  // Seven leap months in nineteen years: 121 in the 328 years.
  EXPECT_EQ(leapMonths, 121);
}

// 六曜 on calendars of 2017 (published month views) and the fixed start of each month.
TEST(Rokuyo, FromTheOldCalendarDate) {
  struct RokuyoCase {
    int year, month, day;
    const char* name;
  };
  constexpr RokuyoCase kCalendar2017[] = {
      {2017, 1, 1, "先負"},  {2017, 1, 27, "大安"}, {2017, 1, 28, "先勝"},
      {2017, 2, 25, "大安"}, {2017, 2, 26, "友引"}, {2017, 3, 27, "先勝"},
      {2017, 3, 28, "先負"}, {2017, 4, 25, "先勝"}, {2017, 4, 26, "仏滅"},
  };
  for (const RokuyoCase& c : kCalendar2017) {
    EXPECT_EQ(RokuyoName(RokuyoOf(*KyurekiDateOf(c.year, c.month, c.day))), c.name)
        << c.year << "-" << c.month << "-" << c.day;
  }
  // The first day of months 1..12: 先勝 友引 先負 仏滅 大安 赤口, twice; a leap month as its
  // number.
  constexpr const char* kFirstDays[] = {"先勝", "友引", "先負", "仏滅", "大安", "赤口"};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(RokuyoName(RokuyoOf({month, 1, false})), kFirstDays[(month - 1) % 6]);
    EXPECT_EQ(RokuyoName(RokuyoOf({month, 1, true})), kFirstDays[(month - 1) % 6]);
  }
}

TEST(KyurekiText, LongAndShortForms) {
  EXPECT_EQ(KyurekiText({1, 17, false}), "旧1月17日");
  EXPECT_EQ(KyurekiText({4, 1, true}), "閏4月1日");
  EXPECT_EQ(KyurekiShortText({12, 30, false}), "旧12/30");
  EXPECT_EQ(KyurekiShortText({4, 1, true}), "閏4/1");
}

}  // namespace
}  // namespace mirel
