#include <string>

#include "components/format/date_text_fields.h"

namespace mirel::format_detail {
namespace {

// Two-digit years fall in 1930..2029, the default window of the system's own date reading, so that
// a text names the same year here as in the user's other programs.
int ExpandYear(const WrittenNumber& year) {
  if (year.digits > 2) {
    return year.value;
  }
  return year.value < 30 ? 2000 + year.value : 1900 + year.value;
}

enum class FieldOrder { kYearMonthDay, kMonthDayYear, kDayMonthYear };

// The order of year, month and day in the locale's short date picture ("yyyy/MM/dd").
FieldOrder OrderOf(const LocaleData& locale) {
  const std::string& picture = locale.shortDatePicture;
  const auto year = picture.find_first_of("yY");
  const auto month = picture.find('M');
  const auto day = picture.find_first_of("dD");
  if (year == std::string::npos || month == std::string::npos || day == std::string::npos) {
    return FieldOrder::kYearMonthDay;
  }
  if (year < month) {
    return FieldOrder::kYearMonthDay;
  }
  return month < day ? FieldOrder::kMonthDayYear : FieldOrder::kDayMonthYear;
}

struct YearMonthDay {
  WrittenNumber year;
  WrittenNumber month;
  WrittenNumber day;
};

// Three numbers as written, put in their places by the order.
YearMonthDay Arrange(FieldOrder order, const WrittenNumber& first, const WrittenNumber& second,
                     const WrittenNumber& third) {
  switch (order) {
    case FieldOrder::kMonthDayYear:
      return {third, first, second};
    case FieldOrder::kDayMonthYear:
      return {third, second, first};
    case FieldOrder::kYearMonthDay:
      break;
  }
  return {first, second, third};
}

const EraInfo* TakeEra(Cursor& cursor, const LocaleData& locale) {
  // Full names first: the abbreviation "平" is the start of the name "平成".
  for (const EraInfo& era : locale.eras) {
    if (cursor.Take(era.name)) {
      return &era;
    }
  }
  for (const EraInfo& era : locale.eras) {
    if (cursor.Take(era.abbreviation)) {
      return &era;
    }
  }
  for (const EraInfo& era : locale.eras) {
    if (cursor.TakeIgnoringCase(era.letter)) {
      return &era;
    }
  }
  return nullptr;
}

std::optional<DatePart> TakeKanjiDate(Cursor& cursor, const WrittenNumber& first, bool withEra) {
  DatePart date;
  date.kanjiForm = true;
  std::optional<WrittenNumber> month = first;
  if (cursor.Take("年")) {
    date.year = withEra ? first.value : ExpandYear(first);
    cursor.SkipSpaces();
    month = cursor.TakeNumber(2);
  } else if (withEra || first.digits > 2) {
    return std::nullopt;  // an era needs its year; four digits are no month
  }
  if (!month || !cursor.Take("月")) {
    return std::nullopt;
  }
  cursor.SkipSpaces();
  const auto day = cursor.TakeNumber(2);
  if (!day || !cursor.Take("日")) {
    return std::nullopt;
  }
  date.month = month->value;
  date.day = day->value;
  return date;
}

std::optional<DatePart> TakeSeparatedDate(Cursor& cursor, const WrittenNumber& first, bool withEra,
                                          const LocaleData& locale) {
  const auto separator = cursor.TakeDateSeparator(locale.dateSeparator);
  if (!separator) {
    return std::nullopt;
  }
  const auto second = cursor.TakeNumber(4);
  if (!second) {
    return std::nullopt;
  }
  if (!cursor.Take(*separator)) {
    // A month and day alone, in the locale's order.
    if (withEra || first.digits > 2 || second->digits > 2) {
      return std::nullopt;
    }
    const bool dayFirst = OrderOf(locale) == FieldOrder::kDayMonthYear;
    return DatePart{std::nullopt, dayFirst ? second->value : first.value,
                    dayFirst ? first.value : second->value, false};
  }
  const auto third = cursor.TakeNumber(4);
  if (!third) {
    return std::nullopt;
  }
  // Four digits in front always mean year/month/day, whatever the locale's order.
  const FieldOrder order =
      (withEra || first.digits > 2) ? FieldOrder::kYearMonthDay : OrderOf(locale);
  const YearMonthDay fields = Arrange(order, first, *second, *third);
  if (fields.month.digits > 2 || fields.day.digits > 2) {
    return std::nullopt;
  }
  return DatePart{withEra ? fields.year.value : ExpandYear(fields.year), fields.month.value,
                  fields.day.value, false};
}

// The era year counts from 1 in the year the era began; a day before the era began is none of
// its days.
std::optional<DatePart> InEra(DatePart date, const EraInfo& era) {
  if (*date.year < 1 || *date.year > 9999) {
    return std::nullopt;
  }
  date.year = era.startYear + *date.year - 1;
  const bool beforeStart =
      *date.year == era.startYear &&
      (date.month < era.startMonth || (date.month == era.startMonth && date.day < era.startDay));
  if (beforeStart) {
    return std::nullopt;
  }
  return date;
}

}  // namespace

std::optional<DatePart> TakeDate(Cursor& cursor, const LocaleData& locale) {
  const EraInfo* era = TakeEra(cursor, locale);
  if (era) {
    cursor.SkipSpaces();
  }
  std::optional<WrittenNumber> first = cursor.TakeNumber(4);
  // 元年 is the first year of an era; only the 年 form writes it.
  const bool firstYearOfEra = !first && era && cursor.Take("元");
  if (firstYearOfEra) {
    first = WrittenNumber{1, 1};
  }
  if (!first) {
    return std::nullopt;
  }
  // The 年月日 form is tried on a copy, so that a failed attempt leaves the cursor unmoved.
  Cursor attempt = cursor;
  std::optional<DatePart> date = TakeKanjiDate(attempt, *first, era != nullptr);
  if (date) {
    cursor = attempt;
  } else if (!firstYearOfEra) {
    date = TakeSeparatedDate(cursor, *first, era != nullptr, locale);
  }
  if (!date || !era) {
    return date;
  }
  return InEra(*date, *era);
}

}  // namespace mirel::format_detail
