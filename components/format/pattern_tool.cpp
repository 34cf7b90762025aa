#include "components/format/pattern_tool.h"

#include <charconv>
#include <cstddef>

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

// A plain decimal number, nothing around it: "36527", "-1.25", "+0.5". No exponent, no hex,
// no inf or nan, which std::from_chars alone would accept.
std::optional<double> ParseSerial(std::string_view text) {
  std::size_t start = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
  if (start == text.size() || text.find_first_not_of("0123456789.", start) != text.npos ||
      text.find('.') != text.rfind('.')) {
    return std::nullopt;
  }
  const bool negative = text[0] == '-';
  double value = 0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
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
