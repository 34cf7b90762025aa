#include "components/format/format.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "components/datetime/now.h"

namespace mirel {
namespace {

// 2000-01-02 03:04:05, a Sunday in the second week of the year, 平成12年.
DateValue Sample() {
  return DateSerial(2000, 1, 2) + TimeSerial(3, 4, 5);
}

DateValue At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return CombineDateAndTime(DateSerial(year, month, day), TimeSerial(hour, minute, second));
}

struct TokenCase {
  const char* token;
  const char* expected;
};

const TokenCase kTokens[] = {
    {"d", "2"},
    {"dd", "02"},
    {"ddd", "Sun"},
    {"dddd", "Sunday"},
    {"ddddd", "2000/01/02"},
    {"dddddd", "2000年1月2日"},
    {"aaa", "日"},
    {"aaaa", "日曜日"},
    {"m", "1"},
    {"mm", "01"},
    {"mmm", "Jan"},
    {"mmmm", "January"},
    {"oooo", "1月"},
    {"yy", "00"},
    {"yyyy", "2000"},
    {"y", "2"},
    {"w", "1"},
    {"ww", "2"},
    {"q", "1"},
    {"h", "3"},
    {"hh", "03"},
    {"n", "4"},
    {"nn", "04"},
    {"s", "5"},
    {"ss", "05"},
    {"ttttt", "3:04:05"},
    {"c", "2000/01/02 3:04:05"},
    {"g", "H"},
    {"gg", "平"},
    {"ggg", "平成"},
    {"e", "12"},
    {"ee", "12"},
    {"/", "/"},
    {":", ":"},
    {"AM/PM", "AM"},
    {"am/pm", "am"},
    {"A/P", "A"},
    {"a/p", "a"},
    {"AMPM", "午前"},
};

TEST(FormatTest, EachTokenAloneWithTextAroundAndEscaped) {
  for (const auto& c : kTokens) {
    const std::string token = c.token;
    SCOPED_TRACE(token);
    EXPECT_EQ(Format(Sample(), token), c.expected);
    EXPECT_EQ(Format(Sample(), "[" + token + "]"), "[" + std::string(c.expected) + "]");
    EXPECT_EQ(Format(Sample(), "\"" + token + "\""), token);
    std::string escaped;
    for (char ch : token) {
      escaped += '\\';
      escaped += ch;
    }
    EXPECT_EQ(Format(Sample(), escaped), token);
  }
}

TEST(FormatTest, TokensIgnoreCase) {
  EXPECT_EQ(Format(Sample(), "YYYY/MM/DD HH:NN:SS"), "2000/01/02 03:04:05");
  EXPECT_EQ(Format(Sample(), "GGGE年M月D日(AAA) Q W WW"), "平成12年1月2日(日) 1 1 2");
  EXPECT_EQ(Format(Sample(), "Ampm"), "午前");
}

TEST(FormatTest, TheDoneWhenPattern) {
  EXPECT_EQ(Format(Sample(), "ggge年m月d日(aaa) hh:nn:ss"), "平成12年1月2日(日) 03:04:05");
}

TEST(FormatTest, LeadingZeros) {
  const DateValue late = At(2019, 11, 23, 14, 35, 46);
  EXPECT_EQ(Format(late, "d dd m mm h hh n nn s ss"), "23 23 11 11 14 14 35 35 46 46");
  EXPECT_EQ(Format(At(2005, 3, 7, 0, 0, 9), "yy/m/d h:n:s"), "05/3/7 0:0:9");
  EXPECT_EQ(Format(At(100, 1, 1), "yyyy yy e"), "100 00 100");
  EXPECT_EQ(Format(At(999, 12, 31), "yyyy"), "999");
  EXPECT_EQ(Format(At(1000, 1, 1), "yyyy"), "1000");
}

TEST(FormatTest, MinutesAgainstMonths) {
  const std::pair<const char*, const char*> cases[] = {
      {"h:m", "3:4"},
      {"hh:mm", "03:04"},
      {"h時m分", "3時4分"},
      {"hh\\:mm", "03:04"},
      {"hh\" \"mm", "03 04"},
      {"hhmm", "0304"},
      {"mm/dd hh:mm", "01/02 03:04"},
      {"h d m", "3 2 1"},  // the day between ends the hour's hold on m
      {"nn:mm", "04:01"},
      {"h:mm:ss mm", "3:04:05 01"},
      {"mmm h mmm", "Jan 3 Jan"},  // mmm is always the month name
  };
  for (const auto& [pattern, expected] : cases) {
    EXPECT_EQ(Format(Sample(), pattern), expected) << pattern;
  }
}

TEST(FormatTest, TwelveHourClock) {
  struct Case {
    int hour, minute;
    const char* upper;   // "h:nn AM/PM"
    const char* letter;  // "hh:nn a/p"
    const char* locale;  // "AMPMh時"
  };
  const Case cases[] = {
      {0, 0, "12:00 AM", "12:00 a", "午前12時"},
      {11, 59, "11:59 AM", "11:59 a", "午前11時"},
      {12, 0, "12:00 PM", "12:00 p", "午後12時"},
      {23, 59, "11:59 PM", "11:59 p", "午後11時"},
  };
  for (const auto& c : cases) {
    const DateValue value = At(2000, 1, 2, c.hour, c.minute);
    SCOPED_TRACE(c.hour);
    EXPECT_EQ(Format(value, "h:nn AM/PM"), c.upper);
    EXPECT_EQ(Format(value, "hh:nn a/p"), c.letter);
    EXPECT_EQ(Format(value, "AMPMh時"), c.locale);
    EXPECT_EQ(Format(value, "Am/pM"), c.hour < 12 ? "Am" : "pM");  // the written half
  }
  // Every hour token of the pattern follows the marker, wherever it stands.
  EXPECT_EQ(Format(At(2000, 1, 2, 15, 0), "H hh A/P h"), "3 03 P 3");
  EXPECT_EQ(Format(At(2000, 1, 2, 15, 0), "h hh"), "15 15");
}

TEST(FormatTest, WeekOfYearOnEveryWeekdayOfNewYear) {
  struct Case {
    int year;
    const char* newYearWeekday;
    const char* lastWeek;  // ww of 31 December
  };
  const Case cases[] = {
      {2006, "日", "53"}, {2007, "月", "53"}, {2008, "火", "53"}, {2003, "水", "53"},
      {2004, "木", "53"}, {2010, "金", "53"}, {2000, "土", "54"}, {2005, "土", "53"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.year);
    EXPECT_EQ(Format(At(c.year, 1, 1), "aaa ww"), std::string(c.newYearWeekday) + " 1");
    EXPECT_EQ(Format(At(c.year, 12, 31), "ww"), c.lastWeek);
  }
  // The week turns on Sunday: 2000-01-01 is a Saturday, 2000-01-02 a Sunday.
  EXPECT_EQ(Format(At(2000, 1, 8), "ww"), "2");
  EXPECT_EQ(Format(At(2000, 1, 9), "ww"), "3");
}

TEST(FormatTest, EraBoundaries) {
  const std::pair<DateValue, const char*> cases[] = {
      // Before the first era the era name is empty and the year is the Gregorian one.
      {At(1868, 9, 7), "|||1868|1868"},      {At(1868, 9, 8), "M|明|明治|1|01"},
      {At(1912, 7, 29), "M|明|明治|45|45"},  {At(1912, 7, 30), "T|大|大正|1|01"},
      {At(1926, 12, 24), "T|大|大正|15|15"}, {At(1926, 12, 25), "S|昭|昭和|1|01"},
      {At(1989, 1, 7), "S|昭|昭和|64|64"},   {At(1989, 1, 8), "H|平|平成|1|01"},
      {At(2019, 4, 30), "H|平|平成|31|31"},  {At(2019, 5, 1), "R|令|令和|1|01"},
      {At(1600, 1, 1), "|||1600|1600"},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(Format(value, "g|gg|ggg|e|ee"), expected) << Format(value, "yyyy-mm-dd");
  }
}

TEST(FormatTest, GeneralForm) {
  const std::pair<DateValue, const char*> cases[] = {
      {36527.0, "2000/01/02"},
      {36527.5, "2000/01/02 12:00:00"},
      {36527.0 + 1.0 / 86400, "2000/01/02 0:00:01"},
      {0.5, "12:00:00"},
      {0.0, "0:00:00"},
      {-1.25, "1899/12/29 6:00:00"},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(Format(value, ""), expected) << value;
    EXPECT_EQ(Format(value, "c"), expected) << value;
  }
}

TEST(FormatTest, NumbersOneToSevenAreSundayToSaturday) {
  const char* names[] = {"日", "月", "火", "水", "木", "金", "土"};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(Format(i + 1, "aaa"), names[i]);
  }
}

TEST(FormatTest, QuotesAndEscapesNeverFail) {
  const std::pair<const char*, const char*> cases[] = {
      {"yyyy\"年", "2000年"},  // unterminated quote runs to the end
      {"\"yyyy", "yyyy"},
      {"yyyy\\", "2000"},      // trailing backslash is dropped
      {"\\年yyyy", "年2000"},  // a backslash escapes a whole character
      {"\"\"yyyy\"\"", "2000"},
      {"[x!@#%]", "[x!@#%]"},        // characters that are no token are copied
      {"ttt aa ooo", "ttt aa ooo"},  // short runs of t, a and o are no token
      {"yyyy年mm月", "2000年01月"},
      {"mm/dd", "01/02"},
      // a long run is cut into the longest tokens from its start, the rest copied when short
      {"yyyyyyyyy", "200020002"},
      {"ddddddddd", "2000年1月2日Sun"},
      {"aaaaaaaaaa", "日曜日日曜日aa"},
      {"ttttttt", "3:04:05tt"},
      {"ooooooo", "1月ooo"},
      {"hmmmmm", "3January1"},
      {"\\\\\\\\\\", "\\\\"},  // each backslash escapes the next, the last is dropped
  };
  for (const auto& [pattern, expected] : cases) {
    EXPECT_EQ(Format(Sample(), pattern), expected) << pattern;
  }
}

TEST(FormatTest, TextValues) {
  ScopedNowOverride now(At(2024, 6, 1, 12, 0));
  EXPECT_EQ(Format(std::string_view("2000/1/2"), "yyyy年mm月dd日"), "2000年01月02日");
  EXPECT_EQ(Format(std::string_view("1/2"), "yyyy mm/dd"), "2024 01/02");
  EXPECT_EQ(Format(std::string_view("2000/1/2"), ""), "2000/1/2");
  EXPECT_EQ(Format(std::string_view("元日"), "mm/dd"), "元日");
  EXPECT_EQ(Format(std::string_view("36527"), "yyyy"), "36527");  // a number text is no date
  EXPECT_EQ(Format(std::string_view("2/30"), "mm/dd"), "2/30");
  EXPECT_EQ(Format(std::string_view(""), "mm/dd"), "");
}

TEST(FormatTest, OtherLocale) {
  LocaleData locale = BuiltInJapaneseLocale();
  locale.dateSeparator = "-";
  locale.timeSeparator = ".";
  locale.shortDatePicture = "d/M/yy";
  locale.longDatePicture = "dddd, d MMMM yyyy 'o''clock' ddd MMM";
  locale.timePicture = "tt hh:mm:ss t H";
  locale.amDesignator = "AM";
  locale.pmDesignator = "PM";
  locale.pictureDayNames = locale.dayNames;
  locale.pictureDayAbbreviations = locale.dayAbbreviations;
  locale.pictureMonthNames = locale.monthNames;
  locale.pictureMonthAbbreviations = locale.monthAbbreviations;
  const DateValue value = At(2000, 1, 2, 15, 4, 5);
  EXPECT_EQ(Format(value, "yyyy/mm/dd hh:nn", locale), "2000-01-02 15.04");
  EXPECT_EQ(Format(value, "ddddd", locale), "2/1/00");
  EXPECT_EQ(Format(value, "dddddd", locale), "Sunday, 2 January 2000 o'clock Sun Jan");
  EXPECT_EQ(Format(value, "ttttt", locale), "PM 03:04:05 P 15");
  EXPECT_EQ(Format(value, "", locale), "2/1/00 PM 03:04:05 P 15");
}

TEST(FormatTest, JapaneseDatePicturesSpellJapaneseNames) {
  // A user's long date with the weekday reads in Japanese, while the dddd token stays English.
  LocaleData locale = BuiltInJapaneseLocale();
  locale.longDatePicture = "yyyy'年'M'月'd'日' dddd";
  locale.shortDatePicture = "yyyy/MM/dd(ddd) MMMM MMM";
  EXPECT_EQ(Format(Sample(), "dddddd|dddd", locale), "2000年1月2日 日曜日|Sunday");
  EXPECT_EQ(Format(Sample(), "ddddd|ddd", locale), "2000/01/02(日) 1月 1月|Sun");
}

TEST(FormatTest, JapaneseCalendarPicturesCountEraYears) {
  LocaleData locale = BuiltInJapaneseLocale();
  locale.japaneseCalendar = true;
  locale.shortDatePicture = "gg y/M/d";
  locale.longDatePicture = "ggyy'年'M'月'd'日'";
  EXPECT_EQ(Format(Sample(), "ddddd|dddddd", locale), "平成 12/1/2|平成12年1月2日");
  EXPECT_EQ(Format(At(2019, 5, 1), "dddddd|c", locale), "令和01年5月1日|令和 1/5/1");
  EXPECT_EQ(Format(At(1868, 9, 7), "ddddd", locale), " 1868/9/7");  // before the first era
}

TEST(FormatPatternTest, CompiledOnceAndReused) {
  FormatPattern pattern("yyyy/mm/dd hh:nn:ss");
  EXPECT_EQ(pattern.Pattern(), "yyyy/mm/dd hh:nn:ss");
  EXPECT_EQ(pattern.Apply(Sample()), "2000/01/02 03:04:05");
  EXPECT_EQ(pattern.Apply(Sample() + 1), "2000/01/03 03:04:05");
  FormatPattern moved = std::move(pattern);
  std::string out = "at ";
  moved.AppendTo(out, 36527.5);
  EXPECT_EQ(out, "at 2000/01/02 12:00:00");
  EXPECT_EQ(FormatPattern("").Apply(36527.5), "2000/01/02 12:00:00");
  // Format() must follow a change of pattern.
  EXPECT_EQ(Format(Sample(), "yyyy"), "2000");
  EXPECT_EQ(Format(Sample(), "mm"), "01");
  EXPECT_EQ(Format(Sample(), "yyyy"), "2000");
}

}  // namespace
}  // namespace mirel
