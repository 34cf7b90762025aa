// The date-text reader's view of its text: a cursor whose every Take* either consumes what it
// reads and succeeds, or consumes nothing. Internal to the format library.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mirel::format_detail {

// A number as written: its value and how many digits it had ("007" is {7, 3}).
struct WrittenNumber {
  int value = 0;
  int digits = 0;  // 1..4
};

// The text with full-width digits, "／", "－", "：" and "．" as their ASCII forms and the
// ideographic space as a blank: what a Japanese input method types by default.
std::string NormaliseWidth(std::string_view text);

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ == text_.size(); }

  // Skips blanks and tabs; returns whether there were any.
  bool SkipSpaces();

  // Every consecutive digit, so that "1/234" is never read as "1/23" followed by "4"; nothing
  // when there are none or more than maxDigits (at most 4).
  std::optional<WrittenNumber> TakeNumber(int maxDigits);

  // The literal as written; an empty literal is never taken.
  bool Take(std::string_view literal);
  // The same with ASCII letters in either case.
  bool TakeIgnoringCase(std::string_view literal);

  // "/", "-" or the locale's separator; returns the one taken, which a second must match.
  std::optional<std::string_view> TakeDateSeparator(std::string_view localeSeparator);

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace mirel::format_detail
