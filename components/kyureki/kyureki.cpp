#include "components/kyureki/kyureki.h"

#include <algorithm>

#include "components/datetime/civil_date.h"
#include "components/datetime/date_value.h"

namespace mirel {
namespace {

constexpr int kFirstYear = 1873;
constexpr int kLastYear = 2200;

KyurekiDate DateIn(const kyureki::SolsticeYear& year, int monthIndex, std::int64_t dayNumber) {
  return KyurekiDate{.month = year.numbers[monthIndex],
                     .day = static_cast<int>(dayNumber - year.firstDays[monthIndex]) + 1,
                     .leap = monthIndex == year.leapIndex};
}

KyurekiCalendar& SharedCalendar() {
  static KyurekiCalendar calendar;
  return calendar;
}

}  // namespace

const kyureki::SolsticeYear& KyurekiCalendar::SolsticeYearEndingIn(int year) {
  for (std::size_t slot = 0; slot < kCachedYears; ++slot) {
    if (yearKeys_[slot] == year) {
      return years_[slot];
    }
  }
  const std::size_t slot = nextSlot_;
  nextSlot_ = (nextSlot_ + 1) % kCachedYears;
  years_[slot] = kyureki::SolsticeYearEndingIn(year);
  yearKeys_[slot] = year;
  return years_[slot];
}

std::optional<KyurekiDate> KyurekiCalendar::DateOf(int year, int month, int day) {
  if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month)) {
    return std::nullopt;
  }
  const std::int64_t dayNumber = DaysFromCivil(year, month, day);
  // Every day of a year lies after the start of the solstice year ending in it; the days from
  // its 冬至 month on belong to the next.
  const kyureki::SolsticeYear* months = &SolsticeYearEndingIn(year);
  if (dayNumber >= months->firstDays[months->monthCount]) {
    months = &SolsticeYearEndingIn(year + 1);
  }
  int index = 0;
  while (dayNumber >= months->firstDays[index + 1]) {
    ++index;
  }
  return DateIn(*months, index, dayNumber);
}

KyurekiMonthDates KyurekiCalendar::DatesOfMonth(int year, int month) {
  KyurekiMonthDates dates{};
  if (year < kFirstYear || year > kLastYear || month < 1 || month > 12) {
    return dates;
  }
  const std::int64_t firstDay = DaysFromCivil(year, month, 1);
  const int dayCount = DaysInMonth(year, month);
  int solsticeYear = year;
  const kyureki::SolsticeYear* months = &SolsticeYearEndingIn(solsticeYear);
  int index = 0;
  for (int offset = 0; offset < dayCount; ++offset) {
    const std::int64_t dayNumber = firstDay + offset;
    if (dayNumber >= months->firstDays[months->monthCount]) {
      months = &SolsticeYearEndingIn(++solsticeYear);
      index = 0;
    }
    while (dayNumber >= months->firstDays[index + 1]) {
      ++index;
    }
    dates[offset] = DateIn(*months, index, dayNumber);
  }
  return dates;
}

std::optional<KyurekiDate> KyurekiDateOf(int year, int month, int day) {
  return SharedCalendar().DateOf(year, month, day);
}

KyurekiMonthDates KyurekiDatesOfMonth(int year, int month) {
  return SharedCalendar().DatesOfMonth(year, month);
}

}  // namespace mirel
