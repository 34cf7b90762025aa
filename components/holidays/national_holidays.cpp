#include "components/holidays/national_holidays.h"

#include <algorithm>

#include "components/datetime/civil_date.h"

namespace mirel {
namespace {

// How a rule finds its day in a year.
enum class Kind {
  kFixedDay,  // the given day of the month
  kMonday,    // the given Monday of the month: 2 is the second Monday
  kEquinox,   // the day of the vernal (March) or autumnal (September) equinox
};

struct Rule {
  Kind kind;
  int month;
  int dayOrWeek;  // the day of the month, or which Monday; 0 for an equinox
  int firstYear;
  int lastYear;
  std::string_view name;
};

// A day from which a rule applies.
struct StartDay {
  int year;
  int month;
  int day;
};

constexpr StartDay kLawFrom{1948, 7, 20};  // the law took effect: no holiday before it
constexpr int kLastYear = 9999;            // the last year the date functions can show

// The holidays the law calls national holidays (国民の祝日), one line for each span of years in
// which a day kept its name and its rule, in the order of the calendar. The lines at the end are
// the days that laws of their own made holidays; the laws of the 2019 days count them as national
// holidays for the day-between rule, and the earlier ones fell where neither the substitute nor
// the day-between rule could reach, so all of them are listed alike.
// clang-format off
constexpr Rule kRules[] = {
    // kind         month day  first last  name (day: of the month, or which Monday)
    {Kind::kFixedDay,  1,  1,  1948, 9999, "元日"},
    {Kind::kFixedDay,  1,  15, 1948, 1999, "成人の日"},
    {Kind::kMonday,    1,  2,  2000, 9999, "成人の日"},
    {Kind::kFixedDay,  2,  11, 1967, 9999, "建国記念の日"},
    {Kind::kFixedDay,  2,  23, 2020, 9999, "天皇誕生日"},
    {Kind::kEquinox,   3,  0,  1948, 2150, "春分の日"},
    {Kind::kFixedDay,  4,  29, 1948, 1988, "天皇誕生日"},
    {Kind::kFixedDay,  4,  29, 1989, 2006, "みどりの日"},
    {Kind::kFixedDay,  4,  29, 2007, 9999, "昭和の日"},
    {Kind::kFixedDay,  5,  3,  1948, 9999, "憲法記念日"},
    {Kind::kFixedDay,  5,  4,  2007, 9999, "みどりの日"},
    {Kind::kFixedDay,  5,  5,  1948, 9999, "こどもの日"},
    {Kind::kFixedDay,  7,  20, 1996, 2002, "海の日"},
    {Kind::kMonday,    7,  3,  2003, 2019, "海の日"},
    {Kind::kFixedDay,  7,  23, 2020, 2020, "海の日"},  // moved for the Olympic Games
    {Kind::kFixedDay,  7,  22, 2021, 2021, "海の日"},  // and again when they were postponed
    {Kind::kMonday,    7,  3,  2022, 9999, "海の日"},
    {Kind::kFixedDay,  7,  24, 2020, 2020, "スポーツの日"},
    {Kind::kFixedDay,  7,  23, 2021, 2021, "スポーツの日"},
    {Kind::kFixedDay,  8,  11, 2016, 2019, "山の日"},
    {Kind::kFixedDay,  8,  10, 2020, 2020, "山の日"},
    {Kind::kFixedDay,  8,  8,  2021, 2021, "山の日"},
    {Kind::kFixedDay,  8,  11, 2022, 9999, "山の日"},
    {Kind::kFixedDay,  9,  15, 1966, 2002, "敬老の日"},
    {Kind::kMonday,    9,  3,  2003, 9999, "敬老の日"},
    {Kind::kEquinox,   9,  0,  1948, 2150, "秋分の日"},
    {Kind::kFixedDay,  10, 10, 1966, 1999, "体育の日"},
    {Kind::kMonday,    10, 2,  2000, 2019, "体育の日"},
    {Kind::kMonday,    10, 2,  2022, 9999, "スポーツの日"},
    {Kind::kFixedDay,  11, 3,  1948, 9999, "文化の日"},
    {Kind::kFixedDay,  11, 23, 1948, 9999, "勤労感謝の日"},
    {Kind::kFixedDay,  12, 23, 1989, 2018, "天皇誕生日"},
    // The days of laws of their own.
    {Kind::kFixedDay,  4,  10, 1959, 1959, "皇太子明仁親王の結婚の儀"},
    {Kind::kFixedDay,  2,  24, 1989, 1989, "昭和天皇の大喪の礼"},
    {Kind::kFixedDay,  11, 12, 1990, 1990, "即位礼正殿の儀"},
    {Kind::kFixedDay,  6,  9,  1993, 1993, "皇太子徳仁親王の結婚の儀"},
    {Kind::kFixedDay,  5,  1,  2019, 2019, "天皇の即位の日"},
    {Kind::kFixedDay,  10, 22, 2019, 2019, "即位礼正殿の儀"},
};
// clang-format on

constexpr std::string_view kSubstituteHoliday = "振替休日";
constexpr std::string_view kDayBetweenHolidays = "国民の休日";

// A national holiday on a Sunday makes a later day a holiday from 12 April 1973: until the end of
// 2006 the Monday after it, from 2007 the first following day that is no national holiday.
constexpr StartDay kSubstituteFrom{1973, 4, 12};
constexpr int kSubstituteToNextFreeDayFrom = 2007;
// A day between two national holidays is a holiday from 27 December 1985: until the end of 2006
// only when it is neither a Sunday nor a substitute holiday, from 2007 whatever day it is.
constexpr StartDay kDayBetweenFrom{1985, 12, 27};
constexpr int kDayBetweenAnyWeekdayFrom = 2007;

// The equinox day of the month: floor(C + 0.242194 (y - 1980) - floor((y - 1980) / 4)), the
// constants C in millionths of a day so that the sum is exact in integers. Published as
// int(C + 0.242194 (y - 1980) - int((y - 1983) / 4)) for the years before 1980, which is the same
// day: int() of the negative (y - 1983) / 4 truncates to floor((y - 1980) / 4).
struct EquinoxConstants {
  int firstYear;
  int lastYear;
  std::int64_t vernal;    // March
  std::int64_t autumnal;  // September
};
constexpr EquinoxConstants kEquinoxConstants[] = {
    {1900, 1979, 20'835'700, 23'258'800},
    {1980, 2099, 20'843'100, 23'248'800},
    {2100, 2150, 21'851'000, 24'248'800},
};
constexpr std::int64_t kMicroDay = 1'000'000;
constexpr std::int64_t kYearShiftMicroDays = 242'194;  // 0.242194 days a year

// The day of the equinox in March (month 3) or September, or 0 outside the published spans.
int EquinoxDay(int year, int month) {
  for (const EquinoxConstants& span : kEquinoxConstants) {
    if (year >= span.firstYear && year <= span.lastYear) {
      const std::int64_t years = year - 1980;
      const std::int64_t constant = month == 3 ? span.vernal : span.autumnal;
      return static_cast<int>(FloorDiv(
          constant + kYearShiftMicroDays * years - kMicroDay * FloorDiv(years, 4), kMicroDay));
    }
  }
  return 0;
}

// One day of the year being computed.
struct YearDay {
  int dayOfYear = 0;  // 1..366
  std::string_view name;
};

class YearCalculator {
 public:
  explicit YearCalculator(int year) : year_(year), firstDay_(DaysFromCivil(year, 1, 1)) {}

  int DayOfYearOf(int month, int day) const { return DayOfYear(year_, month, day); }

  // 0 Sunday .. 6 Saturday.
  int Weekday(int dayOfYear) const { return WeekdayOfDay(firstDay_ + dayOfYear - 1); }

  // The day of the month a rule gives this year, 0 for none.
  int DayOf(const Rule& rule) const {
    switch (rule.kind) {
      case Kind::kFixedDay:
        return rule.dayOrWeek;
      case Kind::kMonday: {
        const int firstMonday = 1 + (8 - Weekday(DayOfYearOf(rule.month, 1))) % 7;
        return firstMonday + 7 * (rule.dayOrWeek - 1);
      }
      case Kind::kEquinox:
        return EquinoxDay(year_, rule.month);
    }
    return 0;
  }

  bool OnOrAfter(int dayOfYear, const StartDay& start) const {
    return year_ > start.year ||
           (year_ == start.year && dayOfYear >= DayOfYearOf(start.month, start.day));
  }

  CivilDate DateOf(int dayOfYear) const { return DateFromDayOfYear(year_, dayOfYear); }

  int LastDayOfYear() const { return DayOfYearOf(12, 31); }
  int Year() const { return year_; }

 private:
  int year_;
  std::int64_t firstDay_;  // the day number of 1 January
};

// A small set of days kept in date order.
class SortedDays {
 public:
  bool Contains(int dayOfYear) const {
    return std::any_of(begin(), end(), [&](const YearDay& d) { return d.dayOfYear == dayOfYear; });
  }
  void Insert(int dayOfYear, std::string_view name) {
    if (size_ == days_.size() || Contains(dayOfYear)) {
      return;
    }
    std::size_t at = size_;
    while (at > 0 && days_[at - 1].dayOfYear > dayOfYear) {
      days_[at] = days_[at - 1];
      --at;
    }
    days_[at] = {dayOfYear, name};
    ++size_;
  }
  const YearDay* begin() const { return days_.data(); }
  const YearDay* end() const { return days_.data() + size_; }
  std::size_t size() const { return size_; }
  const YearDay& operator[](std::size_t i) const { return days_[i]; }

 private:
  std::array<YearDay, NationalHolidayYear::kCapacity> days_{};
  std::size_t size_ = 0;
};

}  // namespace

std::string_view NationalHolidayYear::Find(int month, int day) const {
  for (const NationalHoliday& holiday : *this) {
    if (holiday.month == month && holiday.day == day) {
      return holiday.name;
    }
  }
  return {};
}

NationalHolidayYear NationalHolidaysOf(std::int64_t year) {
  NationalHolidayYear result;
  if (year < kLawFrom.year || year > kLastYear) {
    return result;
  }
  const YearCalculator calendar(static_cast<int>(year));
  SortedDays named;
  for (const Rule& rule : kRules) {
    if (calendar.Year() < rule.firstYear || calendar.Year() > rule.lastYear) {
      continue;
    }
    const int day = calendar.DayOf(rule);
    if (day == 0) {
      continue;
    }
    const int dayOfYear = calendar.DayOfYearOf(rule.month, day);
    if (calendar.OnOrAfter(dayOfYear, kLawFrom)) {
      named.Insert(dayOfYear, rule.name);
    }
  }

  SortedDays all = named;
  const bool toNextFreeDay = calendar.Year() >= kSubstituteToNextFreeDayFrom;
  for (const YearDay& holiday : named) {
    if (calendar.Weekday(holiday.dayOfYear) != 0 ||
        !calendar.OnOrAfter(holiday.dayOfYear, kSubstituteFrom)) {
      continue;
    }
    int next = holiday.dayOfYear + 1;
    while (toNextFreeDay && all.Contains(next)) {
      ++next;
    }
    // Under the first rule a Monday that is a national holiday itself stays what it is.
    if (next <= calendar.LastDayOfYear() && !all.Contains(next)) {
      all.Insert(next, kSubstituteHoliday);
    }
  }

  const bool anyWeekday = calendar.Year() >= kDayBetweenAnyWeekdayFrom;
  for (std::size_t i = 0; i + 1 < named.size(); ++i) {
    const int between = named[i].dayOfYear + 1;
    if (named[i + 1].dayOfYear != between + 1 || !calendar.OnOrAfter(between, kDayBetweenFrom)) {
      continue;
    }
    // A substitute holiday keeps its name; before 2007 a Sunday was a rest day already.
    if (!all.Contains(between) && (anyWeekday || calendar.Weekday(between) != 0)) {
      all.Insert(between, kDayBetweenHolidays);
    }
  }

  for (const YearDay& holiday : all) {
    const CivilDate date = calendar.DateOf(holiday.dayOfYear);
    result.holidays_[result.size_++] = {date.month, date.day, holiday.name};
  }
  return result;
}

std::string_view NationalHolidayName(std::int64_t year, int month, int day) {
  return NationalHolidaysOf(year).Find(month, day);
}

}  // namespace mirel
