#include "components/format/user_locale.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "components/format/format.h"
#include "components/win32/text_conversion.h"
#include "components/win32/unique_handle.h"

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

// The system's calendar data reaches the locale, and an era written there after this program was
// built is used. Wine has no such key: the test writes the one Windows has, plus a future era,
// into its own prefix, and never touches a system that has the key.
TEST(UserLocale, ReadsErasFromTheSystemCalendarData) {
  const wchar_t* const kEras =
      L"SYSTEM\\CurrentControlSet\\Control\\Nls\\Calendars\\Japanese\\Eras";
  win32::UniqueHkey key;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kEras, 0, KEY_QUERY_VALUE, key.Put()) == ERROR_SUCCESS) {
    GTEST_SKIP() << "the system has its own era data";
  }
  if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kEras, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Put(),
                        nullptr) != ERROR_SUCCESS) {
    GTEST_SKIP() << "the era key cannot be written here";
  }
  const std::pair<const wchar_t*, std::wstring> values[] = {
      {L"1868 01 01", L"明治_明_Meiji_M"}, {L"1912 07 30", L"大正_大_Taisho_T"},
      {L"1926 12 25", L"昭和_昭_Showa_S"}, {L"1989 01 08", L"平成_平_Heisei_H"},
      {L"2019 05 01", L"令和_令_Reiwa_R"}, {L"2100 01 01", L"未来_未_Mirai_X"}};
  for (const auto& [name, data] : values) {
    ::RegSetValueExW(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                     static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
  }
  const LocaleData locale = UserLocaleData();
  key.Reset();
  ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, kEras);
  const FormatPattern eras("g gg ggge");
  EXPECT_EQ(eras.Apply(DateSerial(2100, 1, 1), locale), "X 未 未来1");
  EXPECT_EQ(eras.Apply(DateSerial(2099, 12, 31), locale), "R 令 令和81");
  // Windows dates 明治 from 1 January 1868; the built-in data from 8 September.
  EXPECT_EQ(eras.Apply(DateSerial(1868, 1, 1), locale), "M 明 明治1");
}

}  // namespace
}  // namespace mirel
