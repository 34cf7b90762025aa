#include "components/format/date_text_reader.h"

#include <cstddef>
#include <string>

#include "components/ascii.h"
#include "components/datetime/civil_date.h"
#include "components/errors.h"
#include "components/utf8.h"

namespace mirel {
namespace {

// Whether the day exists in the month: in the given year, or in some year when there is none.
bool IsPossibleDay(std::optional<int> year, int month, int day) {
  if (month < 1 || month > 12 || day < 1) {
    return false;
  }
  constexpr int kSomeLeapYear = 2000;  // every month has its longest length in a leap year
  return day <= DaysInMonth(year.value_or(kSomeLeapYear), month);
}

// Full-width digits, slash, hyphen and colon are what a Japanese input method types by default;
// they are read as their ASCII forms, and the ideographic space as a space.
std::string NormaliseWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const Utf8Character character = Utf8CharacterAt(text, i);
    if (character.codePoint == U'\u3000' && character.valid) {
      out += ' ';
    } else if (character.codePoint >= U'\uFF0D' && character.codePoint <= U'\uFF1A' &&
               character.valid) {
      // U+FF0D..U+FF1A are the full-width forms of "-./0123456789:".
      out += static_cast<char>('-' + (character.codePoint - U'\uFF0D'));
    } else {
      out += text.substr(i, character.length);
    }
    i += character.length;
  }
  return out;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t';
}

struct Number {
  int value = 0;
  int digits = 0;
};

// A cursor over the normalised text. Every Take* either consumes what it reads and succeeds, or
// consumes nothing.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ == text_.size(); }

  // Returns whether any space was skipped.
  bool SkipSpaces() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && IsSpace(text_[pos_])) {
      ++pos_;
    }
    return pos_ != start;
  }

  // Every consecutive digit, so that "1/234" is never read as "1/23" followed by "4".
  std::optional<Number> TakeNumber(int maxDigits) {
    std::size_t end = pos_;
    while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9') {
      ++end;
    }
    const auto digits = static_cast<int>(end - pos_);
    if (digits == 0 || digits > maxDigits) {
      return std::nullopt;
    }
    Number number{0, digits};
    for (; pos_ < end; ++pos_) {
      number.value = number.value * 10 + (text_[pos_] - '0');
    }
    return number;
  }

  bool Take(std::string_view literal) {
    if (literal.empty() || text_.substr(pos_, literal.size()) != literal) {
      return false;
    }
    pos_ += literal.size();
    return true;
  }

  bool TakeIgnoringCase(std::string_view literal) {
    if (literal.empty() || !EqualIgnoringAsciiCase(text_.substr(pos_, literal.size()), literal)) {
      return false;
    }
    pos_ += literal.size();
    return true;
  }

  // One of the date separators; returns the one taken so the second must match it.
  std::optional<std::string_view> TakeDateSeparator(std::string_view localeSeparator) {
    for (std::string_view separator :
         {std::string_view("/"), std::string_view("-"), localeSeparator}) {
      if (Take(separator)) {
        return separator;
      }
    }
    return std::nullopt;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Two-digit years fall in 1930..2029, the default window of the system's own date reading, so that
// a text names the same year here as in the user's other programs.
int ExpandYear(const Number& year) {
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

struct DatePart {
  std::optional<int> year;
  int month = 0;
  int day = 0;
  bool kanjiForm = false;  // ended by 日, so a time may follow without a space
};

std::optional<DatePart> TakeKanjiDate(Cursor& cursor, const Number& first, bool withEra) {
  DatePart date;
  date.kanjiForm = true;
  std::optional<Number> month = first;
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

std::optional<DatePart> TakeSeparatedDate(Cursor& cursor, const Number& first, bool withEra,
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
  const Number* year = &first;
  const Number* month = &*second;
  const Number* day = &*third;
  if (order == FieldOrder::kMonthDayYear) {
    year = &*third, month = &first, day = &*second;
  } else if (order == FieldOrder::kDayMonthYear) {
    year = &*third, month = &*second, day = &first;
  }
  if (month->digits > 2 || day->digits > 2) {
    return std::nullopt;
  }
  return DatePart{withEra ? year->value : ExpandYear(*year), month->value, day->value, false};
}

std::optional<DatePart> TakeDate(Cursor& cursor, const LocaleData& locale) {
  const EraInfo* era = TakeEra(cursor, locale);
  if (era) {
    cursor.SkipSpaces();
  }
  std::optional<Number> first = cursor.TakeNumber(4);
  // 元年 is the first year of an era; only the 年 form writes it.
  const bool firstYearOfEra = !first && era && cursor.Take("元");
  if (firstYearOfEra) {
    first = Number{1, 1};
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
  // The era year counts from 1 in the year the era began; a day before the era began is none
  // of its days.
  if (*date->year < 1 || *date->year > 9999) {
    return std::nullopt;
  }
  date->year = era->startYear + *date->year - 1;
  const bool beforeStart = *date->year == era->startYear &&
                           (date->month < era->startMonth ||
                            (date->month == era->startMonth && date->day < era->startDay));
  if (beforeStart) {
    return std::nullopt;
  }
  return date;
}

std::optional<bool> TakeMeridiem(Cursor& cursor, const LocaleData& locale) {
  // true for the afternoon. The locale's own designators first, then the English ones.
  if (cursor.Take(locale.amDesignator)) {
    return false;
  }
  if (cursor.Take(locale.pmDesignator)) {
    return true;
  }
  if (cursor.TakeIgnoringCase("am") || cursor.TakeIgnoringCase("a")) {
    return false;
  }
  if (cursor.TakeIgnoringCase("pm") || cursor.TakeIgnoringCase("p")) {
    return true;
  }
  return std::nullopt;
}

struct Clock {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

std::optional<Clock> TakeClock(Cursor& cursor, const LocaleData& locale) {
  const auto hour = cursor.TakeNumber(2);
  if (!hour) {
    return std::nullopt;
  }
  Clock clock{hour->value, 0, 0};
  if (cursor.Take("時")) {
    if (const auto minute = cursor.TakeNumber(2)) {
      if (!cursor.Take("分")) {
        return std::nullopt;
      }
      clock.minute = minute->value;
      if (const auto second = cursor.TakeNumber(2)) {
        if (!cursor.Take("秒")) {
          return std::nullopt;
        }
        clock.second = second->value;
      }
    }
    return clock;
  }
  std::string_view separator;
  if (cursor.Take(":")) {
    separator = ":";
  } else if (cursor.Take(locale.timeSeparator)) {
    separator = locale.timeSeparator;
  } else {
    return std::nullopt;
  }
  const auto minute = cursor.TakeNumber(2);
  if (!minute) {
    return std::nullopt;
  }
  clock.minute = minute->value;
  if (cursor.Take(separator)) {
    const auto second = cursor.TakeNumber(2);
    if (!second) {
      return std::nullopt;
    }
    clock.second = second->value;
  }
  return clock;
}

// The time part: "3:04", "15:04:05", "午後3:04", "3:04 PM", "3時4分5秒". A fraction of a day.
std::optional<DateValue> TakeTime(Cursor& cursor, const LocaleData& locale) {
  std::optional<bool> afternoon = TakeMeridiem(cursor, locale);
  if (afternoon) {
    cursor.SkipSpaces();
  }
  const auto clock = TakeClock(cursor, locale);
  if (!clock) {
    return std::nullopt;
  }
  if (!afternoon) {
    cursor.SkipSpaces();
    afternoon = TakeMeridiem(cursor, locale);
  }
  int hour = clock->hour;
  if (afternoon) {
    if (hour > 12) {
      return std::nullopt;
    }
    hour = hour % 12 + (*afternoon ? 12 : 0);
  }
  if (hour > 23 || clock->minute > 59 || clock->second > 59) {
    return std::nullopt;
  }
  return (hour * 3600 + clock->minute * 60 + clock->second) / 86400.0;
}

}  // namespace

std::optional<DateTextParts> ParseDateText(std::string_view text, const LocaleData& locale) {
  const std::string normalised = NormaliseWidth(text);
  Cursor cursor(normalised);
  cursor.SkipSpaces();
  const auto date = TakeDate(cursor, locale);
  if (!date || !IsPossibleDay(date->year, date->month, date->day)) {
    return std::nullopt;
  }
  if (date->year && (*date->year < 100 || *date->year > 9999)) {
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
  parts.timeOfDay = TakeTime(cursor, locale);
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
  const int year = parts->year.value_or(currentYear);
  if (!IsPossibleDay(year, parts->month, parts->day)) {
    return std::nullopt;
  }
  DateValue day = 0;
  try {
    day = DateSerial(year, parts->month, parts->day);
  } catch (const RunTimeError&) {
    return std::nullopt;  // a current year outside the range of dates
  }
  return CombineDateAndTime(day, parts->timeOfDay.value_or(0.0));
}

}  // namespace mirel
