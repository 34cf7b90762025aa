// Reads a text as a date, the way Format reads a text value and the holiday list reads its
// dates. Accepted: y/m/d and m/d with "/", "-" or the locale's separator, with or without
// leading zeros; 2000年1月2日 and 1月2日; era forms (平成12年1月2日, H12/1/2); spaces around; an
// optional time part (README lists every form).
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
