// Japan's national holidays for any date from 20 July 1948, the day the national holidays law took
// effect, to the end of 9999: the named days of the law and its amendments, each for the years it
// stood in the law and under the name it had there; the days set by laws of their own (imperial
// ceremonies, the moved days of 2020 and 2021); the substitute holiday (振替休日) and the day
// between two holidays (国民の休日). Later years follow the law as it stands now.
// Example: NationalHolidayName(2026, 3, 20) is "春分の日", NationalHolidayName(2026, 5, 6) is
// "振替休日", NationalHolidayName(2026, 5, 7) is "".
//
// 春分の日 and 秋分の日 are the days of the equinoxes, which the government announces each February
// for the following year only. They are computed by the standard approximation of the equinox day
// in Japan's time, with the constants published for 1900-2099 and 2100-2150. No constants exist
// beyond 2150, so after 2150 neither day is given (every other holiday still is).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace mirel {

struct NationalHoliday {
  int month = 0;          // 1..12
  int day = 0;            // 1..31
  std::string_view name;  // as the law writes it; refers to static storage
};

// The national holidays of one year in date order; none for a year outside 1948..9999.
class NationalHolidayYear {
 public:
  // More than any year has had (2019 had 22) or can have under the present rules.
  static constexpr std::size_t kCapacity = 32;

  const NationalHoliday* begin() const { return holidays_.data(); }
  const NationalHoliday* end() const { return holidays_.data() + size_; }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  // The name of the holiday on that month and day of the year, "" when there is none.
  std::string_view Find(int month, int day) const;

 private:
  friend NationalHolidayYear NationalHolidaysOf(std::int64_t year);
  std::array<NationalHoliday, kCapacity> holidays_{};
  std::size_t size_ = 0;
};

// Computes the year's holidays with no allocation (bench_day_off's BM_NationalHolidaysOfYear
// times it): a caller that asks for many days of one year (a month's drawing) computes the year
// once and uses Find.
NationalHolidayYear NationalHolidaysOf(std::int64_t year);

// The name of the national holiday on that date, "" when it is none or is no valid date.
std::string_view NationalHolidayName(std::int64_t year, int month, int day);

}  // namespace mirel
