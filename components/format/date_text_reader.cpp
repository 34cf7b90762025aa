#include "components/format/date_text_reader.h"

#include <string>

#include "components/datetime/civil_date.h"
#include "components/format/date_text_fields.h"

namespace mirel {
namespace {

// The years of date values.
constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;

bool IsYearInRange(int year) {
  return year >= kFirstYear && year <= kLastYear;
}

// Whether the day exists in the month: in the given year, or in some year when there is none.
bool IsPossibleDay(std::optional<int> year, int month, int day) {
  if (month < 1 || month > 12 || day < 1) {
    return false;
  }
  constexpr int kSomeLeapYear = 2000;  // every month has its longest length in a leap year
  return day <= DaysInMonth(year.value_or(kSomeLeapYear), month);
}

}  // namespace

std::optional<DateTextParts> ParseDateText(std::string_view text, const LocaleData& locale) {
  const std::string normalised = format_detail::NormaliseWidth(text);
  format_detail::Cursor cursor(normalised);
  cursor.SkipSpaces();
  const auto date = format_detail::TakeDate(cursor, locale);
  if (!date || !IsPossibleDay(date->year, date->month, date->day)) {
    return std::nullopt;
  }
  if (date->year && !IsYearInRange(*date->year)) {
    return std::nullopt;
  }
  DateTextParts parts{date->year, date->month, date->day, std::nullopt};
  const bool spaced = cursor.SkipSpaces();
  if (cursor.AtEnd()) {
    return parts;
  }
  // Digits straight after a numeric date would run into it; the 日 form ends visibly.
  if (!spaced && !date->kanjiForm) {
    return std::nullopt;
  }
  parts.timeOfDay = format_detail::TakeTime(cursor, locale);
  cursor.SkipSpaces();
  if (!parts.timeOfDay || !cursor.AtEnd()) {
    return std::nullopt;
  }
  return parts;
}

std::optional<DateValue> ReadDateText(std::string_view text, int currentYear,
                                      const LocaleData& locale) {
  const auto parts = ParseDateText(text, locale);
  if (!parts) {
    return std::nullopt;
  }
  // A month and day alone in a current year outside the range of dates is no date.
  const int year = parts->year.value_or(currentYear);
  if (!IsYearInRange(year) || !IsPossibleDay(year, parts->month, parts->day)) {
    return std::nullopt;
  }
  const DateValue day = DateSerial(year, parts->month, parts->day);
  return CombineDateAndTime(day, parts->timeOfDay.value_or(0.0));
}

}  // namespace mirel
