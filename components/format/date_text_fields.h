// The date and the time of a date text, each read from a cursor (date_text_cursor.h) as the
// grammar in date_text_reader.h has them. Internal to the format library.
#pragma once

#include <optional>

#include "components/datetime/date_value.h"
#include "components/format/date_text_cursor.h"
#include "components/format/locale_data.h"

namespace mirel::format_detail {

struct DatePart {
  std::optional<int> year;  // absent for a month and day alone; an era's year is made Gregorian
  int month = 0;            // as written: not yet checked against the calendar
  int day = 0;
  bool kanjiForm = false;  // ended by 日, so a time may follow without a space
};

std::optional<DatePart> TakeDate(Cursor& cursor, const LocaleData& locale);

// "3:04", "15:04:05", "午後3:04", "3:04 PM", "3時4分5秒": a fraction of a day, 0 <= t < 1.
std::optional<DateValue> TakeTime(Cursor& cursor, const LocaleData& locale);

}  // namespace mirel::format_detail
