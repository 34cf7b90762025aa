#include "components/datetime/date_value.h"

#include <cmath>
#include <limits>
#include <string>

#include "components/datetime/civil_date.h"
#include "components/errors.h"

namespace mirel {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// 1 January 100 and 31 December 9999 as day numbers: the calendar range of date values.
constexpr std::int64_t kFirstDay = -657434;
constexpr std::int64_t kLastDay = 2958465;

[[noreturn]] void ThrowOutOfRange(DateValue date) {
  // The whole days only: formatting a double would link the C runtime's printf engine into the
  // Windows program for this one message.
  std::string message = "date value out of range";
  if (std::isfinite(date) && std::fabs(date) < 1e18) {
    message += ": " + std::to_string(static_cast<long long>(date));
  }
  throw InvalidArgumentError(message);
}

}  // namespace

std::int16_t ToInteger16(std::int64_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    throw OverflowError("overflow: " + std::to_string(value) + " is no 16-bit integer");
  }
  return static_cast<std::int16_t>(value);
}

DateTimeParts SplitDateValue(DateValue date) {
  // The open bounds let the last half second of 31 December 9999 through to the check below.
  if (!std::isfinite(date) || date <= static_cast<double>(kFirstDay - 1) ||
      date >= static_cast<double>(kLastDay + 1)) {
    ThrowOutOfRange(date);
  }
  // The conversion truncates toward zero like std::trunc, without a library call (the value is
  // known to fit).
  DateTimeParts parts;
  parts.dayNumber = static_cast<std::int64_t>(date);
  const auto whole = static_cast<double>(parts.dayNumber);
  // Before day 0 the fraction still counts forward from midnight of its day. Rounded half up
  // (the value is not negative): cheaper than llround on the clock's hot path.
  const double fraction = date < whole ? whole - date : date - whole;
  auto seconds = static_cast<std::int64_t>(fraction * kSecondsPerDay + 0.5);
  if (seconds >= kSecondsPerDay) {
    seconds -= kSecondsPerDay;
    parts.dayNumber += 1;
  }
  if (parts.dayNumber < kFirstDay || parts.dayNumber > kLastDay) {
    ThrowOutOfRange(date);
  }
  parts.secondOfDay = static_cast<int>(seconds);
  parts.hour = parts.secondOfDay / 3600;
  parts.minute = parts.secondOfDay / 60 % 60;
  parts.second = parts.secondOfDay % 60;

  // The range check above keeps the day number well inside what CivilFromDays takes.
  const CivilDate civil = CivilFromDays(parts.dayNumber);
  parts.year = static_cast<int>(civil.year);
  parts.month = civil.month;
  parts.day = civil.day;
  parts.dayOfYear = DayOfYear(civil.year, civil.month, civil.day);
  parts.weekday = WeekdayOfDay(parts.dayNumber) + 1;
  return parts;
}

int Year(DateValue date) {
  return SplitDateValue(date).year;
}
int Month(DateValue date) {
  return SplitDateValue(date).month;
}
int Day(DateValue date) {
  return SplitDateValue(date).day;
}
int Hour(DateValue date) {
  return SplitDateValue(date).hour;
}
int Minute(DateValue date) {
  return SplitDateValue(date).minute;
}
int Second(DateValue date) {
  return SplitDateValue(date).second;
}

int Weekday(DateValue date, FirstDayOfWeek firstDay) {
  // Counted from the week's first day: the day moved back by that day's distance from Sunday.
  const int shift = static_cast<int>(firstDay) - 1;
  return WeekdayOfDay(SplitDateValue(date).dayNumber - shift) + 1;
}

DateValue DateSerial(std::int64_t year, std::int64_t month, std::int64_t day) {
  const std::int64_t y = ToInteger16(year);
  const std::int64_t m = ToInteger16(month);
  const std::int64_t d = ToInteger16(day);
  const CivilMonth carried = FoldMonth(y, m);
  const std::int64_t carriedYear = carried.year;
  const auto carriedMonth = static_cast<unsigned>(carried.month);
  // A 16-bit day carries at most about 90 years, so anything farther cannot come back into range.
  if (carriedYear < 0 || carriedYear > 10100) {
    throw InvalidArgumentError("DateSerial: year out of range");
  }
  const std::int64_t result = DaysFromCivil(carriedYear, carriedMonth, 1) + d - 1;
  if (result < kFirstDay || result > kLastDay) {
    throw InvalidArgumentError("DateSerial: year out of range");
  }
  return static_cast<DateValue>(result);
}

DateValue TimeSerial(int hour, int minute, int second) {
  const std::int64_t seconds = std::int64_t{hour} * 3600 + std::int64_t{minute} * 60 + second;
  return static_cast<double>(seconds) / kSecondsPerDay;
}

DateValue CombineDateAndTime(DateValue date, DateValue timeOfDay) {
  return date < 0 ? date - timeOfDay : date + timeOfDay;
}

DateValue WholeSecondOf(DateValue date) {
  const double day = std::trunc(date);
  // The small margin keeps an exact second that the double holds a hair below it on its second.
  const double seconds = std::floor(std::fabs(date - day) * kSecondsPerDay + 1e-4);
  return CombineDateAndTime(day, seconds / kSecondsPerDay);
}

}  // namespace mirel
