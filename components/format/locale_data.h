// What Format and the date-text reader take from the user's locale. The built-in data is the
// Japanese locale; on Windows the start-up code replaces it with the user's own (user_locale.h).
#pragma once

#include <array>
#include <string>
#include <vector>

namespace mirel {

// One Japanese era, starting on the given Gregorian day.
struct EraInfo {
  int startYear = 0;
  int startMonth = 0;
  int startDay = 0;
  std::string letter;        // "H"   (g)
  std::string abbreviation;  // "平"  (gg)
  std::string name;          // "平成" (ggg)
};

// Text is UTF-8. Pictures use the Windows NLS picture syntax (yyyy, M, MM, d, dd, H, HH, h, hh,
// m, mm, s, ss, tt, 'quoted'), as GetLocaleInfoEx returns them.
struct LocaleData {
  std::string shortDatePicture;                         // "yyyy/MM/dd"
  std::string longDatePicture;                          // "yyyy'年'M'月'd'日'"
  std::string timePicture;                              // "H:mm:ss"
  std::string amDesignator;                             // "午前"
  std::string pmDesignator;                             // "午後"
  std::string dateSeparator;                            // "/"
  std::string timeSeparator;                            // ":"
  std::array<std::string, 12> monthNames;               // January..December   (mmmm)
  std::array<std::string, 12> monthAbbreviations;       // Jan..Dec            (mmm)
  std::array<std::string, 12> nativeMonthNames;         // 1月..12月           (oooo)
  std::array<std::string, 7> dayNames;                  // Sunday..Saturday    (dddd)
  std::array<std::string, 7> dayAbbreviations;          // Sun..Sat            (ddd)
  std::array<std::string, 7> japaneseDayNames;          // 日曜日..土曜日      (aaaa)
  std::array<std::string, 7> japaneseDayAbbreviations;  // 日..土           (aaa)
  // The locale's own names, as its date pictures spell them (dddd, ddd, MMMM, MMM inside
  // ddddd/dddddd): a Japanese long date with dddd reads 日曜日 even though the dddd token of a
  // pattern gives Sunday.
  std::array<std::string, 12> pictureMonthNames;          // 1月..12月  (MMMM)
  std::array<std::string, 12> pictureMonthAbbreviations;  // 1月..12月  (MMM)
  std::array<std::string, 7> pictureDayNames;             // 日曜日..土曜日 (dddd)
  std::array<std::string, 7> pictureDayAbbreviations;     // 日..土    (ddd)
  std::vector<EraInfo> eras;                              // in ascending order of start
  // The user counts years in the Japanese calendar (和暦): in the pictures g is the era and y
  // the year of the era ("gg y/M/d" gives 平成 12/1/2).
  bool japaneseCalendar = false;
};

const LocaleData& BuiltInJapaneseLocale();

// The locale Format and the reader use unless they are handed another one.
const LocaleData& CurrentLocale();
void SetCurrentLocale(LocaleData locale);

}  // namespace mirel
