// Civil-date arithmetic on the proleptic Gregorian calendar, shared by the date values, the
// date-text reader and the month grid. Wide integers, so that any month a user steps to can be
// folded before it is range-checked.
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
// not IsLeapYear(1900). Bitwise rather than short-circuit: the clock's instants give the
// branches nothing to learn.
constexpr bool IsLeapYear(std::int64_t year) {
  return (year % 4 == 0) & ((year % 100 != 0) | (year % 400 == 0));
}

// The number of days of a month 1..12: DaysInMonth(2024, 2) == 29.
constexpr int DaysInMonth(std::int64_t year, std::int64_t month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
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
