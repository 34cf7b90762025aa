#include "components/format/date_text_cursor.h"

#include "components/ascii.h"
#include "components/utf8.h"

namespace mirel::format_detail {

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

bool Cursor::SkipSpaces() {
  const std::size_t start = pos_;
  while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) {
    ++pos_;
  }
  return pos_ != start;
}

std::optional<WrittenNumber> Cursor::TakeNumber(int maxDigits) {
  std::size_t end = pos_;
  while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9') {
    ++end;
  }
  const auto digits = static_cast<int>(end - pos_);
  if (digits == 0 || digits > maxDigits) {
    return std::nullopt;
  }
  WrittenNumber number{0, digits};
  for (; pos_ < end; ++pos_) {
    number.value = number.value * 10 + (text_[pos_] - '0');
  }
  return number;
}

bool Cursor::Take(std::string_view literal) {
  if (literal.empty() || text_.substr(pos_, literal.size()) != literal) {
    return false;
  }
  pos_ += literal.size();
  return true;
}

bool Cursor::TakeIgnoringCase(std::string_view literal) {
  if (literal.empty() || !EqualIgnoringAsciiCase(text_.substr(pos_, literal.size()), literal)) {
    return false;
  }
  pos_ += literal.size();
  return true;
}

std::optional<std::string_view> Cursor::TakeDateSeparator(std::string_view localeSeparator) {
  for (std::string_view separator :
       {std::string_view("/"), std::string_view("-"), localeSeparator}) {
    if (Take(separator)) {
      return separator;
    }
  }
  return std::nullopt;
}

}  // namespace mirel::format_detail
