// The text side of reading the holiday file: turning its bytes into UTF-8 lines and a line into
// an entry. Kept apart from DayOffList so the decoding and line rules are testable on their own.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/day_off_list.h"
#include "components/native_path.h"

namespace mirel {

// Decodes text in the system's ANSI code page (932 on Japanese systems) to UTF-8. Bytes that are
// invalid in the code page become U+FFFD and never stop the decoding. One decoder serves a whole
// file, so the platform's converter is set up once.
class AnsiDecoder {
 public:
  AnsiDecoder();
  // A given Windows code page number instead of the system's (elsewhere read through iconv as
  // "CP<number>"), for tests that must not depend on the machine's settings.
  explicit AnsiDecoder(unsigned codePage);
  ~AnsiDecoder();
  AnsiDecoder(const AnsiDecoder&) = delete;
  AnsiDecoder& operator=(const AnsiDecoder&) = delete;

  std::string Decode(std::string_view bytes);

 private:
  struct Converter;
  std::unique_ptr<Converter> converter_;
};

// Whether the bytes are valid UTF-8 throughout (no overlong forms, surrogates or code points above
// U+10FFFF, no sequence cut at the end).
bool IsValidUtf8(std::string_view bytes);

// UTF-8 with every invalid or incomplete sequence replaced by U+FFFD.
std::string SanitizeUtf8(std::string_view bytes);

// Calls onLine for each line of the bytes, without its ending. CR LF, CR and a lone LF each end
// a line; the last line counts without an ending when the bytes are complete, and is dropped
// when they were cut by a read error.
void ForEachLine(std::string_view bytes, bool complete,
                 const std::function<void(std::string_view)>& onLine);

// Removes spaces, both the ASCII and the ideographic (U+3000) one, from both ends.
std::string_view TrimSpaces(std::string_view text);

// The entry of a line split at its first "=", both parts trimmed; nothing for a line without "=".
std::optional<DayOffEntry> ParseDayOffLine(std::string_view line);

// Whether the path names a plain file: not missing, not a directory or other special file, and
// on Windows neither hidden nor system.
bool IsPlainFile(const NativePath& file);

// The file opened for binary reading with the path as the platform spells it (wide on Windows),
// or null when it cannot be opened.
std::FILE* OpenForReading(const NativePath& file);

}  // namespace mirel
