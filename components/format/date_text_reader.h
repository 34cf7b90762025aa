// Reads a text as a date, the way Format reads a text value and the holiday list reads its
// dates. Full-width digits, "／", "－", "：", "．" and the ideographic space are first read as
// their ASCII forms; "_" below is any run of blanks and tabs, [ ] is optional.
//   text  = [_] [era [_]] date [time] [_]
//   era   = the era's name, abbreviation or letter (letters in either case): 平成, 平, H
//   date  = year 年 [_] month 月 [_] day 日 | month 月 [_] day 日    (元年: an era's year 1)
//         | n sep n [sep n]        sep: "/", "-" or the locale's, the same both times
//   time  = _ [meridiem [_]] clock [[_] meridiem]    (after 日 the _ may be left out)
//   clock = hour 時 [minute 分 [second 秒]] | hour tsep minute [tsep second]
//           tsep: ":" or the locale's; meridiem: the locale's designators, am, a, pm, p
// Numbers follow the order of the locale's short date, two numbers that of its month and day;
// a first number of four digits is always the year. Years have 1..4 digits (1 or 2: 1930..2029),
// the rest 1 or 2. An era takes the 年 form or three numbers. Impossible dates are no dates.
#pragma once

#include <optional>
#include <string_view>

#include "components/datetime/date_value.h"
#include "components/format/locale_data.h"

namespace mirel {

struct DateTextParts {
  std::optional<int> year;  // absent for a month and day alone
  int month = 0;            // 1..12
  int day = 0;              // 1..31, valid for the month (29 February needs a leap year, or none)
  std::optional<DateValue> timeOfDay;  // fraction of a day, when a time part was written
};

// The parts of a date text, or nothing when the text is no date. A month and day without a year
// are accepted when that day exists in some year (2/29 is; 2/30 is not).
std::optional<DateTextParts> ParseDateText(std::string_view text,
                                           const LocaleData& locale = CurrentLocale());

// The date value of a date text, a month and day alone being read in currentYear; nothing when
// the text is no date or names a day that currentYear lacks.
std::optional<DateValue> ReadDateText(std::string_view text, int currentYear,
                                      const LocaleData& locale = CurrentLocale());

}  // namespace mirel
