#include "components/format/locale_data.h"

#include <cstddef>

namespace mirel {
namespace {

constexpr const char* kJapaneseMonths[12] = {"1月", "2月", "3月", "4月",  "5月",  "6月",
                                             "7月", "8月", "9月", "10月", "11月", "12月"};
constexpr const char* kJapaneseDays[7] = {"日曜日", "月曜日", "火曜日", "水曜日",
                                          "木曜日", "金曜日", "土曜日"};
constexpr const char* kJapaneseDayLetters[7] = {"日", "月", "火", "水", "木", "金", "土"};
constexpr const char* kEnglishMonths[12] = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};
constexpr const char* kEnglishMonthAbbreviations[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kEnglishDays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};
constexpr const char* kEnglishDayAbbreviations[7] = {"Sun", "Mon", "Tue", "Wed",
                                                     "Thu", "Fri", "Sat"};

struct EraText {
  int startYear, startMonth, startDay;
  const char* letter;
  const char* abbreviation;
  const char* name;
};
constexpr EraText kEras[] = {
    {1868, 9, 8, "M", "明", "明治"},   {1912, 7, 30, "T", "大", "大正"},
    {1926, 12, 25, "S", "昭", "昭和"}, {1989, 1, 8, "H", "平", "平成"},
    {2019, 5, 1, "R", "令", "令和"},
};

// The names are copied from tables in loops: written as one initialiser, every string became
// code of its own in the Windows program, whose size is limited.
template <std::size_t count>
void Fill(std::array<std::string, count>& names, const char* const (&texts)[count]) {
  for (std::size_t i = 0; i < count; ++i) {
    names[i] = texts[i];
  }
}

LocaleData MakeJapaneseLocale() {
  LocaleData locale;
  locale.shortDatePicture = "yyyy/MM/dd";
  locale.longDatePicture = "yyyy'年'M'月'd'日'";
  locale.timePicture = "H:mm:ss";
  locale.amDesignator = "午前";
  locale.pmDesignator = "午後";
  locale.dateSeparator = "/";
  locale.timeSeparator = ":";
  // Month and weekday names stay English here, so that patterns written with mmm/mmmm/ddd/dddd
  // for English names keep giving them; aaa/aaaa and oooo, and the locale's own date pictures,
  // are where the Japanese forms are asked for.
  Fill(locale.monthNames, kEnglishMonths);
  Fill(locale.monthAbbreviations, kEnglishMonthAbbreviations);
  Fill(locale.nativeMonthNames, kJapaneseMonths);
  Fill(locale.dayNames, kEnglishDays);
  Fill(locale.dayAbbreviations, kEnglishDayAbbreviations);
  Fill(locale.japaneseDayNames, kJapaneseDays);
  Fill(locale.japaneseDayAbbreviations, kJapaneseDayLetters);
  Fill(locale.pictureMonthNames, kJapaneseMonths);
  Fill(locale.pictureMonthAbbreviations, kJapaneseMonths);
  Fill(locale.pictureDayNames, kJapaneseDays);
  Fill(locale.pictureDayAbbreviations, kJapaneseDayLetters);
  for (const EraText& era : kEras) {
    locale.eras.push_back(
        {era.startYear, era.startMonth, era.startDay, era.letter, era.abbreviation, era.name});
  }
  return locale;
}

}  // namespace

const LocaleData& BuiltInJapaneseLocale() {
  static const LocaleData japanese = MakeJapaneseLocale();
  return japanese;
}

}  // namespace mirel
