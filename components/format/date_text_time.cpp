#include <string_view>

#include "components/format/date_text_fields.h"

namespace mirel::format_detail {
namespace {

// true for the afternoon. The locale's own designators first, then the English ones.
std::optional<bool> TakeMeridiem(Cursor& cursor, const LocaleData& locale) {
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
  int hour = 0;  // as written: not yet checked
  int minute = 0;
  int second = 0;
};

// "3時4分5秒", the minutes and seconds optional.
std::optional<Clock> TakeKanjiClock(Cursor& cursor, int hour) {
  Clock clock{hour, 0, 0};
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

std::optional<Clock> TakeClock(Cursor& cursor, const LocaleData& locale) {
  const auto hour = cursor.TakeNumber(2);
  if (!hour) {
    return std::nullopt;
  }
  if (cursor.Take("時")) {
    return TakeKanjiClock(cursor, hour->value);
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
  Clock clock{hour->value, minute->value, 0};
  if (cursor.Take(separator)) {
    const auto second = cursor.TakeNumber(2);
    if (!second) {
      return std::nullopt;
    }
    clock.second = second->value;
  }
  return clock;
}

}  // namespace

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

}  // namespace mirel::format_detail
