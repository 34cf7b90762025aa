// The reading rules of mirel-format, kept in the library so that they are tested with it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "components/datetime/date_value.h"

namespace mirel {

// "2000-01-02T03:04:05" as a date value; nothing for any other form or an impossible date.
std::optional<DateValue> ParseIsoInstant(std::string_view text);

// One "value<TAB>pattern" line of --batch. value is a date serial number in any decimal form
// ("-1.25", "1.1574074074074073e-05") or a text in double quotes (everything between the first
// and the last quote); the pattern runs raw to the end of the line.
struct BatchLineResult {
  bool ok = false;
  std::string text;  // the formatted value, or what was wrong with the line
};
BatchLineResult FormatBatchLine(std::string_view line);

}  // namespace mirel
