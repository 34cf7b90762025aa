#include "components/format/date_text_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

namespace mirel {
namespace {

// The reader's own view of a Japanese locale, so these tests do not lean on the built-in data.
LocaleData JapaneseLocale() {
  LocaleData locale;
  locale.shortDatePicture = "yyyy/MM/dd";
  locale.amDesignator = "午前";
  locale.pmDesignator = "午後";
  locale.dateSeparator = "/";
  locale.timeSeparator = ":";
  locale.eras = {{1868, 9, 8, "M", "明", "明治"},
                 {1912, 7, 30, "T", "大", "大正"},
                 {1926, 12, 25, "S", "昭", "昭和"},
                 {1989, 1, 8, "H", "平", "平成"},
                 {2019, 5, 1, "R", "令", "令和"}};
  return locale;
}

struct DateCase {
  const char* text;
  std::optional<int> year;
  int month;
  int day;
};

void PrintTo(const DateCase& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class AcceptedDates : public testing::TestWithParam<DateCase> {};

TEST_P(AcceptedDates, GiveTheirParts) {
  const DateCase& c = GetParam();
  const auto parts = ParseDateText(c.text, JapaneseLocale());
  ASSERT_TRUE(parts.has_value());
  EXPECT_EQ(parts->year, c.year);
  EXPECT_EQ(parts->month, c.month);
  EXPECT_EQ(parts->day, c.day);
  EXPECT_FALSE(parts->timeOfDay.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AcceptedDates,
    testing::Values(DateCase{"2000/01/02", 2000, 1, 2}, DateCase{"2000/1/2", 2000, 1, 2},
                    DateCase{"2000-1-2", 2000, 1, 2}, DateCase{"00/1/2", 2000, 1, 2},
                    DateCase{"29/12/31", 2029, 12, 31}, DateCase{"30/1/1", 1930, 1, 1},
                    DateCase{"0999/1/1", 999, 1, 1}, DateCase{"1/2", std::nullopt, 1, 2},
                    DateCase{"01/02", std::nullopt, 1, 2}, DateCase{"12-31", std::nullopt, 12, 31},
                    DateCase{"2/29", std::nullopt, 2, 29}, DateCase{"2000/2/29", 2000, 2, 29},
                    DateCase{"2000年1月2日", 2000, 1, 2}, DateCase{"2000年 1月 2日", 2000, 1, 2},
                    DateCase{"1月2日", std::nullopt, 1, 2}, DateCase{"平成12年1月2日", 2000, 1, 2},
                    DateCase{"平12年1月2日", 2000, 1, 2}, DateCase{"H12/1/2", 2000, 1, 2},
                    DateCase{"h12-1-2", 2000, 1, 2}, DateCase{"H12年1月2日", 2000, 1, 2},
                    DateCase{"平成元年1月8日", 1989, 1, 8}, DateCase{"令和1年5月1日", 2019, 5, 1},
                    DateCase{"S64/1/7", 1989, 1, 7}, DateCase{"明治1年9月8日", 1868, 9, 8},
                    DateCase{"  1/2  ", std::nullopt, 1, 2}, DateCase{"\t2000/1/2", 2000, 1, 2},
                    DateCase{"　１月２日　", std::nullopt, 1, 2},
                    DateCase{"２０００／１／２", 2000, 1, 2}));

class RejectedTexts : public testing::TestWithParam<const char*> {};

TEST_P(RejectedTexts, AreNoDate) {
  EXPECT_FALSE(ParseDateText(GetParam(), JapaneseLocale()).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    ImpossibleOrMalformed, RejectedTexts,
    testing::Values("", "   ", "abc", "2/30", "13/1", "0/1", "1/0", "4/31", "2001/2/29",
                    "1900/2/29", "2000/13/1", "2000/1/32", "99999/1/1", "0050/1/1", "1/2/",
                    "1/2/3/4", "1/2-3", "2000/1", "1/234", "1/2x", "1//2", "/1/2", "1月2日x",
                    "2000年1月", "0001月2日", "平成12/1", "平成1月2日", "平成1年1月7日",
                    "平成0年1月8日", "X12/1/2", "元年1月2日", "H元/1/2", "1/23:04",
                    "2000/1/2 25:00", "2000/1/2 3:60", "2000/1/2 3:04:60", "2000/1/2 13:00 PM",
                    "2000/1/2 3:", "2000/1/2 午前", "2000/1/2 3:04 5",
                    // full-width forms cut short, behind a stray byte, or spelt overlong
                    "1\xEF\xBC/2", "1/2\xE3\x80", "\xE3\xEF\xBC\x91/2",
                    "\xF0\x83\x80\x80"
                    "1/2"));

struct TimeCase {
  const char* text;
  int seconds;  // into the day
};

void PrintTo(const TimeCase& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class TimeParts : public testing::TestWithParam<TimeCase> {};

TEST_P(TimeParts, GiveTheFractionOfTheDay) {
  const auto parts = ParseDateText(GetParam().text, JapaneseLocale());
  ASSERT_TRUE(parts.has_value());
  ASSERT_TRUE(parts->timeOfDay.has_value());
  EXPECT_DOUBLE_EQ(*parts->timeOfDay, GetParam().seconds / 86400.0);
}

INSTANTIATE_TEST_SUITE_P(Forms, TimeParts,
                         testing::Values(TimeCase{"2000/1/2 3:04", 3 * 3600 + 4 * 60},
                                         TimeCase{"2000/1/2 03:04:05", 3 * 3600 + 4 * 60 + 5},
                                         TimeCase{"1/2 23:59:59", 86399},
                                         TimeCase{"2000/1/2 0:00", 0},
                                         TimeCase{"2000/1/2 午後3:04", 15 * 3600 + 4 * 60},
                                         TimeCase{"2000/1/2 午前 12:00", 0},
                                         TimeCase{"2000/1/2 12:00 PM", 12 * 3600},
                                         TimeCase{"2000/1/2 3:04 pm", 15 * 3600 + 4 * 60},
                                         TimeCase{"2000/1/2 11:59 AM", 11 * 3600 + 59 * 60},
                                         TimeCase{"2000年1月2日3時4分5秒", 3 * 3600 + 4 * 60 + 5},
                                         TimeCase{"平成12年1月2日 15時", 15 * 3600},
                                         TimeCase{"2000/1/2 ３：０４", 3 * 3600 + 4 * 60}));

TEST(DateTextOrder, FollowsTheLocaleShortDate) {
  LocaleData american = JapaneseLocale();
  american.shortDatePicture = "M/d/yyyy";
  LocaleData german = JapaneseLocale();
  german.shortDatePicture = "dd.MM.yyyy";
  german.dateSeparator = ".";
  auto monthDay = [](const char* text, const LocaleData& locale) {
    const auto parts = ParseDateText(text, locale);
    return parts ? std::pair{parts->month, parts->day} : std::pair{0, 0};
  };
  EXPECT_EQ(monthDay("1/2/2000", american), std::pair(1, 2));
  EXPECT_EQ(monthDay("2000/1/2", american), std::pair(1, 2));  // four digits in front: a year
  EXPECT_EQ(monthDay("2.1.2000", german), std::pair(1, 2));
  EXPECT_EQ(monthDay("31.12", german), std::pair(12, 31));
  EXPECT_EQ(monthDay("2.1.2000", JapaneseLocale()), std::pair(0, 0));
}

TEST(ReadDateText, PlacesAMonthAndDayInTheCurrentYear) {
  const LocaleData locale = JapaneseLocale();
  // 36527 is 2 January 2000.
  EXPECT_EQ(ReadDateText("1/2", 2000, locale), 36527.0);
  EXPECT_EQ(ReadDateText("1999/1/2", 2000, locale), 36527.0 - 365);
  EXPECT_EQ(ReadDateText("2000/1/2 12:00", 1990, locale), 36527.5);
  EXPECT_EQ(ReadDateText("2/29", 2000, locale), 36585.0);
  EXPECT_FALSE(ReadDateText("2/29", 2001, locale));
  EXPECT_FALSE(ReadDateText("1/2", 10000, locale));
  EXPECT_FALSE(ReadDateText("2/30", 2000, locale));
}

TEST(ReadDateText, KeepsTheTimeForwardBeforeDayZero) {
  // 29 December 1899 06:00 is -1.25: the day counts back, the time of day forward.
  EXPECT_EQ(ReadDateText("1899/12/29 6:00", 2000, JapaneseLocale()), -1.25);
  EXPECT_EQ(ReadDateText("1899/12/30 6:00", 2000, JapaneseLocale()), 0.25);
}

}  // namespace
}  // namespace mirel
