// The lunar months from one winter solstice to the next, numbered as Japanese calendars number
// them today (the rules of the 天保暦 with true solar terms, 定気法, in Japan Standard Time).
//
// A lunar month runs from the JST day of a new moon to the day before the next new moon. The
// month that holds the JST day of the winter solstice (冬至, the Sun's longitude 270 degrees) is
// month 11. From one such month up to the next there are 12 or 13 lunar months:
//  - with 12, they are numbered 11, 12, 1, 2, ..., 10 and none is a leap month;
//  - with 13, the first of them after the 冬至 month that holds no principal term (中気, a
//    multiple of 30 degrees) is the leap month (閏) and repeats the number of the month before
//    it; every other month takes the next number.
// Why not "every month without a 中気 is a leap month": the months are a little shorter than the
// intervals between 中気, so now and then one month holds two 中気 and another, in a year of only
// 12 months, holds none. Such a month is no leap month (1965-09-25 begins 9月; that period's leap
// month is 閏3月 of 1966). Counting from the solstice keeps month 11 on the solstice always and
// agrees with the rule that the months of 春分, 夏至, 秋分 and 冬至 are 2, 5, 8 and 11 wherever
// that rule can be met. Where it cannot (the months of 2033 and 2034), it gives the choice that
// Japan's calendar makers adopted: 閏11月 in 2033.
#pragma once

#include <array>
#include <cstdint>

namespace mirel::kyureki {

struct SolsticeYear {
  static constexpr int kMaxMonths = 13;
  // firstDays[i] is the first day of month i as days from 1899-12-30; firstDays[monthCount] is
  // the first day of the next 冬至 month, where this span ends.
  std::array<std::int32_t, kMaxMonths + 1> firstDays{};
  std::array<std::uint8_t, kMaxMonths> numbers{};  // 1..12; numbers[0] is 11
  int monthCount = 0;                              // 12 or 13
  int leapIndex = -1;                              // 1..12 with 13 months, otherwise -1
};

// The months from the 冬至 month of year - 1 up to the day before the 冬至 month of year
// (years 1 to 3000 or so; the calendar uses 1873..2201). Costs about ten microseconds: 15 new
// moons, the two solstices and, for 13 months, the other 中気.
// Example: SolsticeYearEndingIn(2023) starts on 2022-12-23 (11月) and holds 閏2月 from
// 2023-03-22.
SolsticeYear SolsticeYearEndingIn(int year);

}  // namespace mirel::kyureki
