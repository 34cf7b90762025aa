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
// 30 December 1899 counted from 1 January 1970, the origin of the civil-day algorithms.
constexpr std::int64_t kEpochFromUnix = -25569;

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

std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  // Days from 1 March of year 0 (proleptic Gregorian) by 400-year eras, then shifted so that
  // 30 December 1899 is day 0. Valid for any year whose day count fits in 64 bits.
  const std::int64_t y = month <= 2 ? year - 1 : year;
  const std::int64_t era = FloorDiv(y, 400);
  const std::int64_t yearOfEra = y - era * 400;                             // 0..399
  const std::int64_t monthFromMarch = month > 2 ? month - 3 : month + 9;    // 0..11
  const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;  // 0..365
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const std::int64_t daysFromUnix = era * 146097 + dayOfEra - 719468;
  return daysFromUnix - kEpochFromUnix;
}

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

  // The inverse of DaysFromCivil, in 400-year eras counted from 1 March of year 0. The range
  // check above makes z positive and below 4 million, so 32-bit unsigned arithmetic is exact
  // (and cheaper on the clock's hot path).
  const auto z = static_cast<std::uint32_t>(parts.dayNumber + kEpochFromUnix + 719468);
  const std::uint32_t era = z / 146097;
  const std::uint32_t dayOfEra = z - era * 146097;  // 0..146096
  const std::uint32_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // 0..399
  const std::uint32_t dayFromMarch =
      dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);  // 0..365
  const std::uint32_t monthFromMarch = (5 * dayFromMarch + 2) / 153;   // 0..11
  parts.day = static_cast<int>(dayFromMarch - (153 * monthFromMarch + 2) / 5 + 1);
  parts.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  parts.year = static_cast<int>(yearOfEra + era * 400) + (parts.month <= 2 ? 1 : 0);
  const int leap = IsLeapYear(parts.year) ? 1 : 0;
  // 1 March is day 60 of a common year; January and February close the March-based year.
  parts.dayOfYear =
      static_cast<int>(parts.month <= 2 ? dayFromMarch - 305 : dayFromMarch + 60 + leap);
  parts.weekday = static_cast<int>(FloorMod(parts.dayNumber + 6, 7)) + 1;  // day 1 is Sunday
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
  const int sundayBased = SplitDateValue(date).weekday;
  const int shift = static_cast<int>(firstDay) - 1;
  return static_cast<int>(FloorMod(sundayBased - 1 - shift, 7)) + 1;
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
