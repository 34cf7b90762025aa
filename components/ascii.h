// ASCII letters without regard to case, for the letters of patterns and the English words of
// date texts ("AM", era letters). Bytes outside A..Z are left alone, so UTF-8 text passes through
// unchanged. Example: EqualIgnoringAsciiCase("Am/pM", "am/pm").
#pragma once

#include <cstddef>
#include <string_view>

namespace mirel {

constexpr char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace mirel
