#include "components/format/format.h"

#include <optional>

#include "components/datetime/now.h"
#include "components/format/date_text_reader.h"
#include "components/format/pattern_applier.h"
#include "components/format/pattern_compiler.h"

namespace mirel {

struct FormatPattern::Compiled {
  std::string pattern;
  format_detail::Program program;
};

FormatPattern::FormatPattern(std::string_view pattern)
    : compiled_(std::make_unique<Compiled>(
          Compiled{std::string(pattern), format_detail::CompilePattern(pattern)})) {}

FormatPattern::~FormatPattern() = default;
FormatPattern::FormatPattern(FormatPattern&&) noexcept = default;
FormatPattern& FormatPattern::operator=(FormatPattern&&) noexcept = default;

const std::string& FormatPattern::Pattern() const {
  return compiled_->pattern;
}

std::string FormatPattern::Apply(DateValue value, const LocaleData& locale) const {
  std::string out;
  AppendTo(out, value, locale);
  return out;
}

void FormatPattern::AppendTo(std::string& out, DateValue value, const LocaleData& locale) const {
  format_detail::AppendProgram(out, compiled_->program, value, locale);
}

std::string Format(DateValue value, std::string_view pattern, const LocaleData& locale) {
  std::string out;
  format_detail::AppendProgram(out, format_detail::CompilePattern(pattern), value, locale);
  return out;
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
