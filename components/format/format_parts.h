// Pieces of Format shared by the pattern engine and the locale pictures: numbers, eras and the
// locale's own date and time forms. Internal to the format library.
#pragma once

#include <string>
#include <string_view>

#include "components/datetime/date_value.h"
#include "components/format/locale_data.h"

namespace mirel::format_detail {

// value (>= 0) in decimal, padded with zeros to minDigits: AppendNumber(out, 7, 2) adds "07".
void AppendNumber(std::string& out, int value, int minDigits);

// The era holding the date, or nullptr for a date before the first era (before 明治).
const EraInfo* EraOf(const DateTimeParts& parts, const LocaleData& locale);

// The year counted in the era (its first year is 1); the Gregorian year before the first era.
int EraYear(const DateTimeParts& parts, const EraInfo* era);

// A Windows NLS picture (yyyy/MM/dd, H:mm:ss, tt, 'quoted') applied to the parts.
void AppendLocalePicture(std::string& out, std::string_view picture, const DateTimeParts& parts,
                         const LocaleData& locale);

// The general form: the short date, then the time when there is one; the time alone on day 0.
void AppendGeneralForm(std::string& out, const DateTimeParts& parts, const LocaleData& locale);

// The week of the year, weeks starting on Sunday and week 1 holding 1 January: 1..54.
int WeekOfYear(const DateTimeParts& parts);

}  // namespace mirel::format_detail
