#include "components/holidays/national_holidays.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mirel {
namespace {

struct DateCase {
  int year, month, day;
  const char* name;  // "" for a day that is no holiday
};

// Dates as the law, its amendments and the announced equinox days fix them: the first and last
// year of each rule, both substitute rules and both day-between rules around the days they changed.
constexpr DateCase kDates[] = {
    // Nothing before the law took effect on 20 July 1948.
    {1948, 1, 1, ""},
    {1948, 5, 5, ""},
    {1948, 9, 23, "秋分の日"},
    {1949, 1, 1, "元日"},
    {10000, 1, 1, ""},
    {1947, 11, 3, ""},
    // Named days at the ends of their spans.
    {1999, 1, 15, "成人の日"},
    {2000, 1, 15, ""},
    {2000, 1, 10, "成人の日"},
    {1966, 2, 11, ""},
    {1967, 2, 11, "建国記念の日"},
    {1988, 4, 29, "天皇誕生日"},
    {1989, 4, 29, "みどりの日"},
    {2006, 4, 29, "みどりの日"},
    {2007, 4, 29, "昭和の日"},
    {1989, 12, 23, "天皇誕生日"},
    {2018, 12, 23, "天皇誕生日"},
    {2018, 12, 24, "振替休日"},
    {2019, 12, 23, ""},
    {2019, 2, 23, ""},
    {2020, 2, 23, "天皇誕生日"},
    {2007, 5, 4, "みどりの日"},
    {1995, 7, 20, ""},
    {1996, 7, 20, "海の日"},
    {2002, 7, 20, "海の日"},
    {2003, 7, 20, ""},
    {2003, 7, 21, "海の日"},
    {2022, 7, 18, "海の日"},
    {2015, 8, 11, ""},
    {2016, 8, 11, "山の日"},
    {2022, 8, 11, "山の日"},
    {1965, 9, 15, ""},
    {1966, 9, 15, "敬老の日"},
    {2002, 9, 15, "敬老の日"},
    {2004, 9, 15, ""},
    {2004, 9, 20, "敬老の日"},
    {1965, 10, 10, ""},
    {1966, 10, 10, "体育の日"},
    {1999, 10, 10, "体育の日"},
    {2000, 10, 10, ""},
    {2000, 10, 9, "体育の日"},
    {2022, 10, 10, "スポーツの日"},
    {9999, 11, 23, "勤労感謝の日"},
    {9999, 7, 19, "海の日"},
    // The days of their own laws.
    {1959, 4, 10, "皇太子明仁親王の結婚の儀"},
    {1989, 2, 24, "昭和天皇の大喪の礼"},
    {1990, 11, 12, "即位礼正殿の儀"},
    {1993, 6, 9, "皇太子徳仁親王の結婚の儀"},
    // Equinox days as announced, and the first and last years of the constants.
    {1960, 3, 20, "春分の日"},
    {1979, 3, 21, "春分の日"},
    {1980, 3, 20, "春分の日"},
    {1979, 9, 24, "秋分の日"},
    {1980, 9, 23, "秋分の日"},
    {2012, 9, 22, "秋分の日"},
    {2016, 3, 20, "春分の日"},
    {2016, 3, 21, "振替休日"},
    {2024, 9, 22, "秋分の日"},
    {2025, 3, 20, "春分の日"},
    {2025, 9, 23, "秋分の日"},
    {2026, 3, 20, "春分の日"},
    {2026, 9, 23, "秋分の日"},
    {2027, 3, 21, "春分の日"},
    {2027, 3, 22, "振替休日"},
    {2027, 9, 23, "秋分の日"},
    // Substitute holidays: none before 12 April 1973; the Monday after until 2006; from 2007 the
    // first day after that is no holiday.
    {1973, 2, 12, ""},
    {1973, 4, 30, "振替休日"},
    {1992, 5, 4, "振替休日"},
    {2006, 1, 2, "振替休日"},
    {2008, 5, 6, "振替休日"},
    {2009, 5, 6, "振替休日"},
    {2023, 1, 1, "元日"},
    {2023, 1, 2, "振替休日"},
    {2021, 8, 9, "振替休日"},
    // Days between two holidays: none before 27 December 1985; until 2006 not on a Sunday.
    {1985, 5, 4, ""},
    {1986, 5, 4, ""},
    {1987, 5, 4, "振替休日"},
    {1988, 5, 4, "国民の休日"},
    {1991, 5, 4, "国民の休日"},
    {2009, 9, 22, "国民の休日"},
    {2015, 9, 22, "国民の休日"},
    {2026, 9, 22, "国民の休日"},
    {2026, 9, 24, ""},
    // Not dates at all.
    {2026, 2, 30, ""},
    {2026, 13, 1, ""},
};

TEST(NationalHolidays, DatesTheLawFixes) {
  for (const DateCase& c : kDates) {
    SCOPED_TRACE(std::to_string(c.year) + "/" + std::to_string(c.month) + "/" +
                 std::to_string(c.day));
    EXPECT_EQ(NationalHolidayName(c.year, c.month, c.day), c.name);
  }
}

std::vector<std::string> Listed(int year) {
  std::vector<std::string> lines;
  for (const NationalHoliday& h : NationalHolidaysOf(year)) {
    lines.push_back(std::to_string(h.month) + "/" + std::to_string(h.day) + " " +
                    std::string(h.name));
  }
  return lines;
}

// Every holiday of the years of the accession and of the moved days, as the Cabinet Office lists
// them.
TEST(NationalHolidays, WholeYearsAsAnnounced) {
  EXPECT_EQ(Listed(2019),
            (std::vector<std::string>{
                "1/1 元日",       "1/14 成人の日",     "2/11 建国記念の日",    "3/21 春分の日",
                "4/29 昭和の日",  "4/30 国民の休日",   "5/1 天皇の即位の日",   "5/2 国民の休日",
                "5/3 憲法記念日", "5/4 みどりの日",    "5/5 こどもの日",       "5/6 振替休日",
                "7/15 海の日",    "8/11 山の日",       "8/12 振替休日",        "9/16 敬老の日",
                "9/23 秋分の日",  "10/14 体育の日",    "10/22 即位礼正殿の儀", "11/3 文化の日",
                "11/4 振替休日",  "11/23 勤労感謝の日"}));
  EXPECT_EQ(Listed(2020), (std::vector<std::string>{
                              "1/1 元日", "1/13 成人の日", "2/11 建国記念の日", "2/23 天皇誕生日",
                              "2/24 振替休日", "3/20 春分の日", "4/29 昭和の日", "5/3 憲法記念日",
                              "5/4 みどりの日", "5/5 こどもの日", "5/6 振替休日", "7/23 海の日",
                              "7/24 スポーツの日", "8/10 山の日", "9/21 敬老の日", "9/22 秋分の日",
                              "11/3 文化の日", "11/23 勤労感謝の日"}));
  EXPECT_EQ(Listed(2021),
            (std::vector<std::string>{
                "1/1 元日", "1/11 成人の日", "2/11 建国記念の日", "2/23 天皇誕生日",
                "3/20 春分の日", "4/29 昭和の日", "5/3 憲法記念日", "5/4 みどりの日",
                "5/5 こどもの日", "7/22 海の日", "7/23 スポーツの日", "8/8 山の日", "8/9 振替休日",
                "9/20 敬老の日", "9/23 秋分の日", "11/3 文化の日", "11/23 勤労感謝の日"}));
  EXPECT_EQ(Listed(1948),
            (std::vector<std::string>{"9/23 秋分の日", "11/3 文化の日", "11/23 勤労感謝の日"}));
  EXPECT_TRUE(Listed(1947).empty());
}

// The equinox days go on to 2150, as far as constants are published; the other days go on after.
TEST(NationalHolidays, NoEquinoxDaysAfter2150) {
  auto equinoxDays = [](int year) {
    int count = 0;
    for (const NationalHoliday& h : NationalHolidaysOf(year)) {
      count += h.name == "春分の日" || h.name == "秋分の日";
    }
    return count;
  };
  EXPECT_EQ(equinoxDays(2100), 2);
  EXPECT_EQ(equinoxDays(2150), 2);
  EXPECT_EQ(equinoxDays(2151), 0);
  EXPECT_EQ(Listed(2151).front(), "1/1 元日");
}

// Every year in range: real dates in strict date order, each found again by its date.
TEST(NationalHolidays, EveryYearIsOrderedAndFindable) {
  for (int year = 1948; year <= 9999; ++year) {
    const NationalHolidayYear holidays = NationalHolidaysOf(year);
    ASSERT_LT(holidays.size(), NationalHolidayYear::kCapacity) << year;
    int previous = 0;
    for (const NationalHoliday& h : holidays) {
      ASSERT_GT(h.month * 100 + h.day, previous) << year;
      previous = h.month * 100 + h.day;
      ASSERT_GE(h.day, 1);
      ASSERT_LE(h.day, 31);
      ASSERT_EQ(holidays.Find(h.month, h.day), h.name);
    }
  }
}

}  // namespace
}  // namespace mirel
