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
  // A well-formed sequence: no overlong form, no surrogate, nothing above U+10FFFF, so that
  // one character has one spelling and a reader cannot be steered by a disguised one.
  bool valid = false;
};

// The character starting at text[pos], pos < text.size().
inline Utf8Character Utf8CharacterAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) {
    return {1, lead, true};
  }
  const Utf8Character malformed{1, lead, false};
  std::size_t length = 0;
  unsigned char low = 0x80;  // the bounds of the second byte
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return malformed;
  }
  if (text.size() - pos < length) {
    return malformed;
  }
  const auto second = static_cast<unsigned char>(text[pos + 1]);
  if (second < low || second > high) {
    return malformed;
  }
  char32_t codePoint = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[pos + k]);
    if ((next & 0xC0) != 0x80) {
      return malformed;
    }
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  return {length, codePoint, true};
}

}  // namespace mirel
