// Format(value, pattern): a date value or a text as text, after a date/time pattern, with weeks
// starting on Sunday and week 1 holding 1 January. A text value is first read as a date when it
// can be (date_text_reader.h); a text that is no date comes back unchanged. Example:
//   Format(36527.5, "yyyy/mm/dd hh:nn:ss") == "2000/01/02 12:00:00"
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "components/datetime/date_value.h"
#include "components/format/locale_data.h"

namespace mirel {

std::string Format(DateValue value, std::string_view pattern);
std::string Format(std::string_view text, std::string_view pattern);

// The same with a given locale instead of CurrentLocale().
std::string Format(DateValue value, std::string_view pattern, const LocaleData& locale);
std::string Format(std::string_view text, std::string_view pattern, const LocaleData& locale);

// A pattern compiled once, for callers that format the same pattern again and again (the clock
// caption, twice a second); Format() compiles its pattern on every call. Compiling takes time
// linear in the pattern's length. A compiled pattern follows a change of the current locale: it
// names the locale's date and time pictures (ddddd, dddddd, ttttt, c, the empty pattern) and
// writes them as the locale has them when applied.
class FormatPattern {
 public:
  explicit FormatPattern(std::string_view pattern);
  ~FormatPattern();
  FormatPattern(FormatPattern&&) noexcept;
  FormatPattern& operator=(FormatPattern&&) noexcept;

  const std::string& Pattern() const;
  std::string Apply(DateValue value, const LocaleData& locale = CurrentLocale()) const;
  // Appends instead of returning, so a caller can reuse one buffer.
  void AppendTo(std::string& out, DateValue value,
                const LocaleData& locale = CurrentLocale()) const;

 private:
  struct Compiled;
  std::unique_ptr<Compiled> compiled_;
};

}  // namespace mirel
