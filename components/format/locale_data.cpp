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

// The names are copied from tables in loops: written out in the initialiser, every string became
// code of its own in the Windows program, whose size is limited.
template <std::size_t count>
std::array<std::string, count> Names(const char* const (&texts)[count]) {
  std::array<std::string, count> names;
  for (std::size_t i = 0; i < count; ++i) {
    names[i] = texts[i];
  }
  return names;
}

std::vector<EraInfo> Eras() {
  std::vector<EraInfo> eras;
  for (const EraText& era : kEras) {
    eras.push_back(
        {era.startYear, era.startMonth, era.startDay, era.letter, era.abbreviation, era.name});
  }
  return eras;
}

// Month and weekday names stay English here, so that patterns written with mmm/mmmm/ddd/dddd for
// English names keep giving them; aaa/aaaa and oooo, and the locale's own date pictures, are
// where the Japanese forms are asked for.
LocaleData MakeJapaneseLocale() {
  return LocaleData{
      .shortDatePicture = "yyyy/MM/dd",
      .longDatePicture = "yyyy'年'M'月'd'日'",
      .timePicture = "H:mm:ss",
      .amDesignator = "午前",
      .pmDesignator = "午後",
      .dateSeparator = "/",
      .timeSeparator = ":",
      .monthNames = Names(kEnglishMonths),
      .monthAbbreviations = Names(kEnglishMonthAbbreviations),
      .nativeMonthNames = Names(kJapaneseMonths),
      .dayNames = Names(kEnglishDays),
      .dayAbbreviations = Names(kEnglishDayAbbreviations),
      .japaneseDayNames = Names(kJapaneseDays),
      .japaneseDayAbbreviations = Names(kJapaneseDayLetters),
      .pictureMonthNames = Names(kJapaneseMonths),
      .pictureMonthAbbreviations = Names(kJapaneseMonths),
      .pictureDayNames = Names(kJapaneseDays),
      .pictureDayAbbreviations = Names(kJapaneseDayLetters),
      .eras = Eras(),
  };
}

}  // namespace

const LocaleData& BuiltInJapaneseLocale() {
  static const LocaleData japanese = MakeJapaneseLocale();
  return japanese;
}

}  // namespace mirel
