#include "components/format/user_locale.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "components/format/format.h"
#include "components/win32/text_conversion.h"

namespace mirel {
namespace {

std::string Nls(LCTYPE type) {
  wchar_t buffer[128];
  const int length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 128);
  return length > 1 ? win32::WideToUtf8(buffer) : std::string();
}

TEST(UserLocale, ComesFromTheNlsFunctions) {
  const LocaleData locale = UserLocaleData();
  EXPECT_EQ(locale.shortDatePicture, Nls(LOCALE_SSHORTDATE));
  EXPECT_EQ(locale.longDatePicture, Nls(LOCALE_SLONGDATE));
  EXPECT_EQ(locale.timePicture, Nls(LOCALE_STIMEFORMAT));
  EXPECT_EQ(locale.amDesignator, "午前");
  EXPECT_EQ(locale.pmDesignator, "午後");
  EXPECT_EQ(locale.dateSeparator, "/");
  EXPECT_EQ(locale.timeSeparator, ":");
}

TEST(UserLocale, JapaneseUserKeepsEnglishMonthAndDayNames) {
  const LocaleData locale = UserLocaleData();
  EXPECT_EQ(locale.monthNames[0], "January");
  EXPECT_EQ(locale.monthAbbreviations[11], "Dec");
  EXPECT_EQ(locale.dayNames[0], "Sunday");
  EXPECT_EQ(locale.dayAbbreviations[6], "Sat");
  EXPECT_EQ(locale.japaneseDayAbbreviations[0], "日");
  // The locale's own pictures keep the locale's own names.
  EXPECT_EQ(locale.pictureDayNames[0], Nls(LOCALE_SDAYNAME7));
  EXPECT_EQ(locale.pictureDayAbbreviations[1], Nls(LOCALE_SABBREVDAYNAME1));
  EXPECT_EQ(locale.pictureMonthNames[0], Nls(LOCALE_SMONTHNAME1));
  EXPECT_EQ(locale.pictureDayNames[0], "日曜日");
}

TEST(UserLocale, KnowsTheCurrentEraAndFormatsWithIt) {
  const LocaleData locale = UserLocaleData();
  ASSERT_FALSE(locale.eras.empty());
  EXPECT_EQ(locale.eras.back().name, "令和");
  EXPECT_EQ(FormatPattern("gggee").Apply(DateSerial(2019, 5, 1), locale), "令和01");
}

EraInfo Era(int y, int m, int d, const char* name, const char* abbreviation, const char* letter) {
  return EraInfo{y, m, d, letter, abbreviation, name};
}

TEST(MergeSystemEras, SystemDataFirstBuiltInFillsTheFuture) {
  const std::vector<EraInfo> builtIn = {Era(1989, 1, 8, "平成", "平", "H"),
                                        Era(2019, 5, 1, "令和", "令", "R")};
  using Values = std::vector<std::pair<std::string, std::string>>;
  struct Case {
    const char* what;
    Values values;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"none", {}, {"平成", "令和"}},
      {"all unreadable", {{"1989 01", "平成_平_Heisei_H"}, {"x y z", "a_b_c_d"}}, {"平成", "令和"}},
      {"an older system: the built-in later era is added",
       {{"1926 12 25", "昭和_昭_Showa_S"}, {"1989 01 08", "平成_平_Heisei_H"}},
       {"昭和", "平成", "令和"}},
      {"a newer system: its future era is used",
       {{"2019 05 01", "令和_令_Reiwa_R"}, {"2100 01 01", "未来_未_Mirai_M"}},
       {"令和", "未来"}},
      {"order of the values does not matter, bad entries are skipped",
       {{"2019 05 01", "令和_令_Reiwa_R"},
        {"1989 01 08", "broken"},
        {"1989 01 08", "平成_平_Heisei_H"},
        {"1868 13 01", "明治_明_Meiji_M"}},
       {"平成", "令和"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> names;
    for (const EraInfo& era : MergeSystemEras(c.values, builtIn)) {
      names.push_back(era.name);
    }
    EXPECT_EQ(names, c.names) << c.what;
  }
  const EraInfo parsed = MergeSystemEras({{"1989 01 08", "平成_平_Heisei_H"}}, {}).front();
  EXPECT_EQ(parsed.startYear, 1989);
  EXPECT_EQ(parsed.startMonth, 1);
  EXPECT_EQ(parsed.startDay, 8);
  EXPECT_EQ(parsed.abbreviation, "平");
  EXPECT_EQ(parsed.letter, "H");
}

}  // namespace
}  // namespace mirel
