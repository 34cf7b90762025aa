// Date values: a double count of days from 30 December 1899 (day 0), the fraction being the time
// of day. Day 1 (31 December 1899) is a Sunday. Valid calendar range: years 100 to 9999.
#pragma once

#include <cstdint>

namespace mirel {

using DateValue = double;

// Weekday numbers: 1 Sunday .. 7 Saturday (weeks start on Sunday), WeekdayOfDay of civil_date.h
// plus one.
enum class FirstDayOfWeek { kSunday = 1 };

// Parts of a date value. Time parts are rounded to the nearest second first; a value before
// day 0 reads its fraction as a positive time on its day: -1.25 is 29 December 1899 06:00.
// A value outside 1 January 100 .. 31 December 9999 23:59:59 (or not finite) throws
// InvalidArgumentError.
int Year(DateValue date);
int Month(DateValue date);
int Day(DateValue date);
int Hour(DateValue date);
int Minute(DateValue date);
int Second(DateValue date);

// 1 (Sunday) .. 7 (Saturday). Weekday(1) == 1.
int Weekday(DateValue date, FirstDayOfWeek firstDay = FirstDayOfWeek::kSunday);

// The date of the parts, as a whole day count. Month and day carry both ways: month 0 is
// December of the year before, day 0 the last day of the month before; DateSerial(2000, 13, 1)
// is 1 January 2001. Each part is first handed over as a signed 16-bit integer: a part outside
// -32768..32767 throws OverflowError. A resulting year outside 100..9999 throws
// InvalidArgumentError.
DateValue DateSerial(std::int64_t year, std::int64_t month, std::int64_t day);

// The time of day hour:minute:second as a fraction of a day (carrying like DateSerial).
DateValue TimeSerial(int hour, int minute, int second);

// The hand-over to a signed 16-bit integer parameter; throws OverflowError outside its range.
std::int16_t ToInteger16(std::int64_t value);

// Every part of a date value at once, for callers that need several (Format). Same rounding and
// range as Year()..Second(): SplitDateValue(36527.5) is 2000-01-02 12:00:00, a Sunday.
struct DateTimeParts {
  std::int64_t dayNumber = 0;  // whole days from 30 December 1899 after rounding to the second
  int secondOfDay = 0;         // 0..86399
  int year = 0;                // 100..9999
  int month = 0;               // 1..12
  int day = 0;                 // 1..31
  int hour = 0;                // 0..23
  int minute = 0;              // 0..59
  int second = 0;              // 0..59
  int weekday = 0;             // 1 (Sunday) .. 7 (Saturday)
  int dayOfYear = 0;           // 1..366
};
DateTimeParts SplitDateValue(DateValue date);

// A whole-day date plus a time of day (0 <= timeOfDay < 1), keeping the rule that a day before
// day 0 carries its time as a positive fraction: CombineDateAndTime(-1, 0.25) == -1.25.
DateValue CombineDateAndTime(DateValue date, DateValue timeOfDay);

// The value cut to its whole second, for a clock: the parts round to the nearest second, so
// 12:00:00.6 would read 12:00:01, half a second early. WholeSecondOf(0.5 + 0.6 / 86400) == 0.5.
DateValue WholeSecondOf(DateValue date);

}  // namespace mirel
