#include "components/kyureki/solstice_year.h"

#include <cassert>

#include "components/datetime/civil_date.h"
#include "components/kyureki/new_moon.h"
#include "components/kyureki/solar_term.h"

namespace mirel::kyureki {
namespace {

constexpr double kWinterSolsticeLongitude = 270.0;
constexpr double kMeanDaysPerPrincipalTerm = 365.2422 / 12;
// The Julian Date of noon on the date values' day 0; near enough to JDE for first guesses.
constexpr double kJdeOfDayZeroNoon = 2415019.0;

double NoonJde(std::int64_t dayNumber) {
  return kJdeOfDayZeroNoon + dayNumber;
}

// The last new moon whose JST day is on or before dayNumber, and that day.
struct NewMoon {
  int lunation = 0;
  std::int64_t day = 0;
};
NewMoon NewMoonOnOrBefore(std::int64_t dayNumber) {
  NewMoon newMoon{.lunation = LunationNear(NoonJde(dayNumber))};
  newMoon.day = NewMoonDay(newMoon.lunation);
  while (newMoon.day > dayNumber) {
    newMoon.day = NewMoonDay(--newMoon.lunation);
  }
  for (std::int64_t next = NewMoonDay(newMoon.lunation + 1); next <= dayNumber;
       next = NewMoonDay(newMoon.lunation + 1)) {
    ++newMoon.lunation;
    newMoon.day = next;
  }
  return newMoon;
}

// The first month after the 冬至 month (index 1..12 of 13) that holds none of the eleven 中気
// between the two solstices.
int FirstMonthWithoutPrincipalTerm(const SolsticeYear& year, std::int64_t solsticeDay) {
  constexpr int kTermsBetween = 11;
  std::int64_t termDays[kTermsBetween];
  for (int term = 0; term < kTermsBetween; ++term) {
    const double longitude = kWinterSolsticeLongitude + 30.0 * (term + 1);
    const double nearJde = NoonJde(solsticeDay) + kMeanDaysPerPrincipalTerm * (term + 1);
    termDays[term] = SolarTermDay(longitude >= 360 ? longitude - 360 : longitude, nearJde);
  }
  int term = 0;
  for (int month = 1; month < year.monthCount; ++month) {
    while (term < kTermsBetween && termDays[term] < year.firstDays[month]) {
      ++term;
    }
    if (term == kTermsBetween || termDays[term] >= year.firstDays[month + 1]) {
      return month;
    }
  }
  // Thirteen months cannot hold eleven terms one or more each.
  assert(false);
  return 1;
}

}  // namespace

SolsticeYear SolsticeYearEndingIn(int year) {
  const std::int64_t solsticeBefore =
      SolarTermDay(kWinterSolsticeLongitude, NoonJde(DaysFromCivil(year - 1, 12, 21)));
  const std::int64_t solstice =
      SolarTermDay(kWinterSolsticeLongitude, NoonJde(DaysFromCivil(year, 12, 21)));

  SolsticeYear months;
  const NewMoon first = NewMoonOnOrBefore(solsticeBefore);
  months.firstDays[0] = static_cast<std::int32_t>(first.day);
  for (int index = 1; index <= SolsticeYear::kMaxMonths; ++index) {
    const std::int64_t firstDay = NewMoonDay(first.lunation + index);
    if (firstDay > solstice) {
      break;
    }
    months.firstDays[index] = static_cast<std::int32_t>(firstDay);
    months.monthCount = index;
  }
  assert(months.monthCount == 12 || months.monthCount == 13);

  if (months.monthCount == 13) {
    months.leapIndex = FirstMonthWithoutPrincipalTerm(months, solsticeBefore);
  }
  months.numbers[0] = 11;
  for (int index = 1; index < months.monthCount; ++index) {
    const int before = months.numbers[index - 1];
    months.numbers[index] =
        static_cast<std::uint8_t>(index == months.leapIndex ? before : before % 12 + 1);
  }
  return months;
}

}  // namespace mirel::kyureki
