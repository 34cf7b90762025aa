#include "calendar/day_off_text.h"

#include <cstddef>

#include "components/utf8.h"

namespace mirel {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";      // U+3000

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t pos = 0; pos < bytes.size();) {
    const Utf8Character character = Utf8CharacterAt(bytes, pos);
    if (!character.valid) {
      return false;
    }
    pos += character.length;
  }
  return true;
}

std::string SanitizeUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t pos = 0; pos < bytes.size();) {
    const Utf8Character character = Utf8CharacterAt(bytes, pos);
    if (character.valid) {
      out += bytes.substr(pos, character.length);
    } else {
      out += kReplacementCharacter;  // one for each byte that is no part of a character
    }
    pos += character.length;
  }
  return out;
}

void ForEachLine(std::string_view bytes, bool complete,
                 const std::function<void(std::string_view)>& onLine) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      if (complete) {
        onLine(bytes.substr(start));
      }
      return;
    }
    onLine(bytes.substr(start, end - start));
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') {
      ++start;
    }
  }
}

std::string_view TrimSpaces(std::string_view text) {
  for (;;) {
    if (text.starts_with(' ')) {
      text.remove_prefix(1);
    } else if (text.starts_with(kIdeographicSpace)) {
      text.remove_prefix(kIdeographicSpace.size());
    } else if (text.ends_with(' ')) {
      text.remove_suffix(1);
    } else if (text.ends_with(kIdeographicSpace)) {
      text.remove_suffix(kIdeographicSpace.size());
    } else {
      return text;
    }
  }
}

std::optional<DayOffEntry> ParseDayOffLine(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) {
    return std::nullopt;
  }
  return DayOffEntry{std::string(TrimSpaces(line.substr(0, equals))),
                     std::string(TrimSpaces(line.substr(equals + 1)))};
}

}  // namespace mirel
