// UTF-8 text walked one character at a time: the one place that knows how its bytes are built.
// A malformed byte is a character of its own (one byte, not valid), so a walker always moves on
// and never reads past the text. Example: Utf8CharacterAt("時", 0) is {3, U+6642, true}.
#pragma once

#include <cstddef>
#include <string_view>

namespace mirel {

struct Utf8Character {
  std::size_t length = 1;  // bytes, 1..4
  char32_t codePoint = 0;  // meaningful when valid
  bool valid = false;      // a lead byte followed by all of its continuation bytes
};

// The character starting at text[pos], pos < text.size().
inline Utf8Character Utf8CharacterAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) {
    return {1, lead, true};
  }
  const std::size_t length = lead >= 0xF8   ? 0
                             : lead >= 0xF0 ? 4
                             : lead >= 0xE0 ? 3
                             : lead >= 0xC0 ? 2
                                            : 0;
  if (length == 0 || text.size() - pos < length) {
    return {1, lead, false};
  }
  char32_t codePoint = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[pos + k]);
    if ((next & 0xC0) != 0x80) {
      return {1, lead, false};
    }
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  return {length, codePoint, true};
}

}  // namespace mirel
