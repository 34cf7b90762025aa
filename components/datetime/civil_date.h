// Civil-date arithmetic on the proleptic Gregorian calendar, the one place where days, months,
// years and weekdays are counted: the date values, the date-text reader, the national holidays,
// the old calendar, the holiday list and the month grid all use it. Wide integers, so that any
// month a user steps to can be folded before it is range-checked.
//
// Day numbers are those of the date values: whole days from 30 December 1899 (day 0).
// Weekdays are numbered 0 Sunday .. 6 Saturday, the columns of the month grid; the date values'
// 1 (Sunday) .. 7 (Saturday) of Weekday() and DateTimeParts::weekday is this number plus one.
#pragma once

#include <cstdint>

namespace mirel {

// a / b rounded toward negative infinity (b != 0): FloorDiv(-1, 12) == -1, FloorDiv(13, 12) == 1.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// The remainder that goes with FloorDiv: 0..b-1 for b > 0. FloorMod(-1, 7) == 6.
constexpr std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
  return a - FloorDiv(a, b) * b;
}

// Every fourth year, except the hundredth unless it is the four hundredth: IsLeapYear(2000),
// not IsLeapYear(1900). Any year, negative ones too. Bitwise rather than short-circuit: the
// clock's instants give the branches nothing to learn.
constexpr bool IsLeapYear(std::int64_t year) {
  return (year % 4 == 0) & ((year % 100 != 0) | (year % 400 == 0));
}

// Days before the first of each month 1..12 in a common year, and the year's length at [12].
inline constexpr int kDaysBeforeMonth[13] = {0,   31,  59,  90,  120, 151, 181,
                                             212, 243, 273, 304, 334, 365};

// The number of days 28..31 of a month 1..12 of any year: DaysInMonth(2024, 2) == 29.
constexpr int DaysInMonth(std::int64_t year, std::int64_t month) {
  const int common = kDaysBeforeMonth[month] - kDaysBeforeMonth[month - 1];
  return month == 2 && IsLeapYear(year) ? common + 1 : common;
}

// The day of the year 1..366 of a valid date (month 1..12, day 1..DaysInMonth) of any year:
// DayOfYear(2024, 3, 1) == 61.
constexpr int DayOfYear(std::int64_t year, int month, int day) {
  return kDaysBeforeMonth[month - 1] + day + static_cast<int>((month > 2) & IsLeapYear(year));
}

// A date of the calendar.
struct CivilDate {
  std::int64_t year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  bool operator==(const CivilDate&) const = default;
};

// Counted from 1 March, the months run 31, 30, 31, 30, 31 days in two groups of 153 days and a
// third that January and February begin, and the leap day comes last. This gives the days before
// month 0..11 from March: DaysBeforeMonthFromMarch(1) == 31 (April).
template <typename Integer>
constexpr Integer DaysBeforeMonthFromMarch(Integer monthFromMarch) {
  return (153 * monthFromMarch + 2) / 5;
}
// And the month 0..11 from March of a day 0..365 from 1 March: MonthFromMarch(31) == 1 (April).
template <typename Integer>
constexpr Integer MonthFromMarch(Integer dayFromMarch) {
  return (5 * dayFromMarch + 2) / 153;
}

// The date of a day 1..366 of the year (at most 365 in a common year), the inverse of DayOfYear:
// DateFromDayOfYear(2024, 61) == {2024, 3, 1}.
constexpr CivilDate DateFromDayOfYear(std::int64_t year, int dayOfYear) {
  const int leap = static_cast<int>(IsLeapYear(year));
  if (dayOfYear <= kDaysBeforeMonth[2] + leap) {
    return dayOfYear <= kDaysBeforeMonth[1] ? CivilDate{year, 1, dayOfYear}
                                            : CivilDate{year, 2, dayOfYear - kDaysBeforeMonth[1]};
  }
  const int dayFromMarch = dayOfYear - kDaysBeforeMonth[2] - leap - 1;  // 0..305
  const int monthFromMarch = MonthFromMarch(dayFromMarch);              // 0..9
  return {year, monthFromMarch + 3, dayFromMarch - DaysBeforeMonthFromMarch(monthFromMarch) + 1};
}

// 1 March of year 0 as a day number: the origin of the 400-year eras the conversions count in.
inline constexpr std::int64_t kFirstDayOfEras = -693899;

// The day number of a valid date (month 1..12, day 1..DaysInMonth; no carrying), for a year
// within +-10^15: DaysFromCivil(2000, 1, 1) == 36526.
constexpr std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  const std::int64_t y = month <= 2 ? year - 1 : year;
  const std::int64_t era = FloorDiv(y, 400);
  const std::int64_t yearOfEra = y - era * 400;                                          // 0..399
  const std::int64_t monthFromMarch = month > 2 ? month - 3 : month + 9;                 // 0..11
  const std::int64_t dayFromMarch = DaysBeforeMonthFromMarch(monthFromMarch) + day - 1;  // 0..365
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayFromMarch;
  return kFirstDayOfEras + era * 146097 + dayOfEra;
}

// The date of a day number, the inverse of DaysFromCivil, for day numbers kFirstDayOfEras
// (1 March of year 0) to 4294273396 (in year 11759221): CivilFromDays(36526) == {2000, 1, 1}.
// Unsigned 32-bit arithmetic, exact in that range and cheaper than 64-bit on the clock's hot
// path (bench_format measures it).
constexpr CivilDate CivilFromDays(std::int64_t dayNumber) {
  const auto z = static_cast<std::uint32_t>(dayNumber - kFirstDayOfEras);
  const std::uint32_t era = z / 146097;
  const std::uint32_t dayOfEra = z - era * 146097;  // 0..146096
  const std::uint32_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // 0..399
  const std::uint32_t dayFromMarch =
      dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);  // 0..365
  const std::uint32_t monthFromMarch = MonthFromMarch(dayFromMarch);   // 0..11
  const auto day = static_cast<int>(dayFromMarch - DaysBeforeMonthFromMarch(monthFromMarch) + 1);
  const auto month =
      static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  const std::int64_t year = era * 400 + yearOfEra + (month <= 2 ? 1 : 0);
  return {year, month, day};
}

// The weekday 0 (Sunday) .. 6 (Saturday) of a day number up to 2^63 - 7: day 1, 31 December 1899,
// was a Sunday, so WeekdayOfDay(1) == 0.
constexpr int WeekdayOfDay(std::int64_t dayNumber) {
  // FloorMod spelled out, which compiles to less: the truncating remainder is -6..6, and a
  // negative one moves up a week.
  const auto remainder = static_cast<int>((dayNumber + 6) % 7);
  return remainder < 0 ? remainder + 7 : remainder;
}

// A year and a month 1..12.
struct CivilMonth {
  std::int64_t year = 0;
  std::int64_t month = 0;
};

// Any month number folded into its year: month 13 is January of the next year, month 0 December
// of the year before. FoldMonth(2000, 14) == {2001, 2}; FoldMonth(2000, -12) == {1998, 12}.
// The caller keeps year * 12 + month within 64 bits.
constexpr CivilMonth FoldMonth(std::int64_t year, std::int64_t month) {
  const std::int64_t index = year * 12 + (month - 1);
  return {FloorDiv(index, 12), FloorMod(index, 12) + 1};
}

}  // namespace mirel
