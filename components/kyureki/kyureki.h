// The old Japanese calendar (旧暦): the lunisolar date of a Gregorian date, as Japanese
// calendars print it today. New moons and principal solar terms are computed astronomically and
// dated in Japan Standard Time; solstice_year.h says how the months are numbered.
//
// Covered: 1873-01-01 (the day Japan took up the Gregorian calendar) to 2200-12-31. Before 1873
// the old calendar was the civil calendar, reckoned from older tables and local time, so a
// modern computation would not give the dates people used; after 2200 the Earth's rotation (ΔT)
// is too uncertain for a new moon's day. Outside that range every function answers "none".
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "components/kyureki/solstice_year.h"

namespace mirel {

struct KyurekiDate {
  int month = 0;      // 1..12
  int day = 0;        // 1..30
  bool leap = false;  // a leap month (閏), which repeats the number of the month before it
  friend bool operator==(const KyurekiDate&, const KyurekiDate&) = default;
};

// Element day - 1 holds that day's date; days past the month's end or outside the covered range
// are empty.
using KyurekiMonthDates = std::array<std::optional<KyurekiDate>, 31>;

// Works out the old-calendar months a few solstice years at a time and keeps the last few, so
// that stepping through a calendar month by month computes each year once. Not thread-safe.
class KyurekiCalendar {
 public:
  // The old-calendar date of a Gregorian date; none outside 1873..2200 or for no valid date.
  // Example: DateOf(2026, 3, 5) is 1月17日.
  std::optional<KyurekiDate> DateOf(int year, int month, int day);

  // The dates of every day of a Gregorian month (month 1..12) at once, as a calendar draws them.
  // Example: DatesOfMonth(2023, 3)[21] (22 March) is 閏2月1日.
  KyurekiMonthDates DatesOfMonth(int year, int month);

 private:
  const kyureki::SolsticeYear& SolsticeYearEndingIn(int year);

  // A Gregorian month draws on at most two solstice years; four keep both of the month before
  // and the month after too.
  static constexpr std::size_t kCachedYears = 4;
  std::array<kyureki::SolsticeYear, kCachedYears> years_{};
  std::array<int, kCachedYears> yearKeys_{};  // 0: an empty slot
  std::size_t nextSlot_ = 0;
};

// The same through one calendar shared by the program (which has one thread).
// Example: KyurekiDateOf(1985, 2, 20) is 1月1日.
std::optional<KyurekiDate> KyurekiDateOf(int year, int month, int day);
KyurekiMonthDates KyurekiDatesOfMonth(int year, int month);

// The date for display: KyurekiText({1, 17, false}) is "旧1月17日", KyurekiText({4, 1, true})
// is "閏4月1日".
std::string KyurekiText(KyurekiDate date);

// The short form of lists: "旧1/17", "閏4/1".
std::string KyurekiShortText(KyurekiDate date);

}  // namespace mirel
