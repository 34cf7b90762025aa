#include "components/format/locale_data.h"

namespace mirel {
namespace {

LocaleData MakeJapaneseLocale() {
  const std::array<std::string, 12> japaneseMonths = {"1月", "2月", "3月", "4月",  "5月",  "6月",
                                                      "7月", "8月", "9月", "10月", "11月", "12月"};
  const std::array<std::string, 7> japaneseDays = {"日曜日", "月曜日", "火曜日", "水曜日",
                                                   "木曜日", "金曜日", "土曜日"};
  const std::array<std::string, 7> japaneseDayLetters = {"日", "月", "火", "水", "木", "金", "土"};
  // Month and weekday names stay English here, so that patterns written with mmm/mmmm/ddd/dddd
  // for English names keep giving them; aaa/aaaa and oooo, and the locale's own date pictures,
  // are where the Japanese forms are asked for.
  return LocaleData{
      .shortDatePicture = "yyyy/MM/dd",
      .longDatePicture = "yyyy'年'M'月'd'日'",
      .timePicture = "H:mm:ss",
      .amDesignator = "午前",
      .pmDesignator = "午後",
      .dateSeparator = "/",
      .timeSeparator = ":",
      .monthNames = {"January", "February", "March", "April", "May", "June", "July", "August",
                     "September", "October", "November", "December"},
      .monthAbbreviations = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct",
                             "Nov", "Dec"},
      .nativeMonthNames = japaneseMonths,
      .dayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
      .dayAbbreviations = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
      .japaneseDayNames = japaneseDays,
      .japaneseDayAbbreviations = japaneseDayLetters,
      .pictureMonthNames = japaneseMonths,
      .pictureMonthAbbreviations = japaneseMonths,
      .pictureDayNames = japaneseDays,
      .pictureDayAbbreviations = japaneseDayLetters,
      .eras =
          {
              {1868, 9, 8, "M", "明", "明治"},
              {1912, 7, 30, "T", "大", "大正"},
              {1926, 12, 25, "S", "昭", "昭和"},
              {1989, 1, 8, "H", "平", "平成"},
              {2019, 5, 1, "R", "令", "令和"},
          },
  };
}

}  // namespace

const LocaleData& BuiltInJapaneseLocale() {
  static const LocaleData japanese = MakeJapaneseLocale();
  return japanese;
}

}  // namespace mirel
