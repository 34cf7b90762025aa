#include "components/format/pattern_tool.h"

#include <charconv>
#include <cstddef>
#include <limits>

#include "components/errors.h"
#include "components/format/format.h"

namespace mirel {
namespace {

// Exactly `digits` decimal digits at text[pos]; -1 otherwise.
int FixedNumber(std::string_view text, std::size_t pos, std::size_t digits) {
  int value = 0;
  for (std::size_t i = pos; i < pos + digits; ++i) {
    if (i >= text.size() || text[i] < '0' || text[i] > '9') {
      return -1;
    }
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// A decimal floating-point number as any program prints one, nothing around it: "36527",
// "-1.25", "+0.5", ".5", "5.", "1.1574074074074073e-05", "1E+3". No hex, no inf or nan, which
// std::from_chars alone would accept. A value too large for a double is refused; one too small
// for it is zero.
std::optional<double> ParseSerial(std::string_view text) {
  const bool negative = !text.empty() && text[0] == '-';
  const std::string_view number = text.substr(!text.empty() && (negative || text[0] == '+'));
  const auto digitsFrom = [&number](std::size_t pos) {
    const std::size_t end = number.find_first_not_of("0123456789", pos);
    return (end == number.npos ? number.size() : end) - pos;
  };
  const std::size_t whole = digitsFrom(0);
  std::size_t pos = whole;
  std::size_t fraction = 0;
  if (pos < number.size() && number[pos] == '.') {
    fraction = digitsFrom(pos + 1);
    pos += 1 + fraction;
  }
  if (whole + fraction == 0) {
    return std::nullopt;
  }
  bool negativeExponent = false;
  if (pos < number.size() && (number[pos] == 'e' || number[pos] == 'E')) {
    ++pos;
    if (pos < number.size() && (number[pos] == '-' || number[pos] == '+')) {
      negativeExponent = number[pos] == '-';
      ++pos;
    }
    const std::size_t exponent = digitsFrom(pos);
    if (exponent == 0) {
      return std::nullopt;
    }
    pos += exponent;
  }
  if (pos != number.size()) {
    return std::nullopt;
  }
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Past the largest double: left to the range check of the date value.
    value = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
  } else if (error != std::errc() || end != number.data() + number.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

}  // namespace

std::optional<DateValue> ParseIsoInstant(std::string_view text) {
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
      text[16] != ':') {
    return std::nullopt;
  }
  const int year = FixedNumber(text, 0, 4);
  const int month = FixedNumber(text, 5, 2);
  const int day = FixedNumber(text, 8, 2);
  const int hour = FixedNumber(text, 11, 2);
  const int minute = FixedNumber(text, 14, 2);
  const int second = FixedNumber(text, 17, 2);
  if (year < 0 || month < 1 || month > 12 || day < 1 || hour < 0 || hour > 23 || minute < 0 ||
      minute > 59 || second < 0 || second > 59) {
    return std::nullopt;
  }
  try {
    const DateValue date = DateSerial(year, month, day);
    if (Day(date) != day) {
      return std::nullopt;  // 2001-02-29 would carry into March
    }
    return CombineDateAndTime(date, TimeSerial(hour, minute, second));
  } catch (const RunTimeError&) {
    return std::nullopt;  // a year before 100
  }
}

BatchLineResult FormatBatchLine(std::string_view line) {
  const std::size_t tab = line.find('\t');
  if (tab == line.npos) {
    return {false, "no TAB between value and pattern"};
  }
  const std::string_view value = line.substr(0, tab);
  const std::string_view pattern = line.substr(tab + 1);
  try {
    if (!value.empty() && value.front() == '"') {
      const std::size_t lastQuote = value.rfind('"');
      if (lastQuote == 0) {
        return {false, "text value without its closing quote"};
      }
      return {true, Format(value.substr(1, lastQuote - 1), pattern)};
    }
    const auto serial = ParseSerial(value);
    if (!serial) {
      return {false, "value is neither a serial number nor a quoted text: " + std::string(value)};
    }
    return {true, Format(*serial, pattern)};
  } catch (const RunTimeError& error) {
    return {false, error.what()};
  }
}

}  // namespace mirel
