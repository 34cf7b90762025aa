#include "components/datetime/civil_date.h"

#include <gtest/gtest.h>

#include <chrono>

#include "components/datetime/date_value.h"

namespace mirel {
namespace {

// The hand-written day arithmetic against the standard library's calendar, on every day of the
// date values' range: day numbers and days of the year both ways, weekdays, month lengths, and
// the date values' parts built on them.
TEST(CivilDateTest, EveryDayAgreesWithChrono) {
  using namespace std::chrono;
  const sys_days epoch = sys_days{1899y / 12 / 30};
  for (int day = -657434; day <= 2958465; ++day) {
    const sys_days date = epoch + days{day};
    const year_month_day expected{date};
    const auto month = static_cast<unsigned>(expected.month());
    const auto dayOfMonth = static_cast<unsigned>(expected.day());
    const int dayOfYear = (date - sys_days{expected.year() / 1 / 1}).count() + 1;
    const int weekday = static_cast<int>(std::chrono::weekday{date}.c_encoding());
    const CivilDate civil = CivilFromDays(day);
    if (civil != CivilDate{int{expected.year()}, static_cast<int>(month),
                           static_cast<int>(dayOfMonth)} ||
        DaysFromCivil(int{expected.year()}, month, dayOfMonth) != day ||
        WeekdayOfDay(day) != weekday ||
        DayOfYear(civil.year, civil.month, civil.day) != dayOfYear ||
        DateFromDayOfYear(civil.year, dayOfYear) != civil ||
        DaysInMonth(civil.year, civil.month) !=
            static_cast<int>(unsigned{(expected.year() / expected.month() / last).day()})) {
      FAIL() << "day " << day << " read as " << civil.year << "-" << civil.month << "-" << civil.day
             << " weekday " << WeekdayOfDay(day) << " day of year "
             << DayOfYear(civil.year, civil.month, civil.day);
    }
    const DateTimeParts parts = SplitDateValue(day);
    if (parts.year != civil.year || parts.month != civil.month || parts.day != civil.day ||
        parts.weekday != weekday + 1 || parts.dayOfYear != dayOfYear) {
      FAIL() << "day " << day << " split as " << parts.year << "-" << parts.month << "-"
             << parts.day << " weekday " << parts.weekday << " day of year " << parts.dayOfYear;
    }
  }
}

}  // namespace
}  // namespace mirel
