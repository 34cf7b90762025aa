#include "components/format/date_text_reader.h"

namespace mirel {

std::optional<DateTextParts> ParseDateText(std::string_view, const LocaleData&) {
  return std::nullopt;
}

std::optional<DateValue> ReadDateText(std::string_view, int, const LocaleData&) {
  return std::nullopt;
}

}  // namespace mirel
