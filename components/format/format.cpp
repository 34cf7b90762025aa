#include "components/format/format.h"

#include <optional>

#include "components/datetime/now.h"
#include "components/format/date_text_reader.h"

namespace mirel {
namespace {

// The caption formats the same pattern twice a second: the last compiled pattern is kept.
const FormatPattern& CachedPattern(std::string_view pattern) {
  thread_local std::optional<FormatPattern> last;
  if (!last || last->Pattern() != pattern) {
    last.emplace(pattern);
  }
  return *last;
}

}  // namespace

std::string Format(DateValue value, std::string_view pattern, const LocaleData& locale) {
  return CachedPattern(pattern).Apply(value, locale);
}

std::string Format(DateValue value, std::string_view pattern) {
  return Format(value, pattern, CurrentLocale());
}

std::string Format(std::string_view text, std::string_view pattern, const LocaleData& locale) {
  // A text keeps its own form under the general pattern; only a pattern reshapes it.
  if (pattern.empty()) {
    return std::string(text);
  }
  const std::optional<DateValue> date = ReadDateText(text, Year(Now()), locale);
  if (!date) {
    return std::string(text);
  }
  return Format(*date, pattern, locale);
}

std::string Format(std::string_view text, std::string_view pattern) {
  return Format(text, pattern, CurrentLocale());
}

}  // namespace mirel
