// The holiday list read from DayOff.dat beside the executable: lines "date text = holiday name".
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "components/native_path.h"

namespace mirel {

struct DayOffEntry {
  std::string DateText;     // before the first "=", trimmed, as written
  std::string HolidayName;  // after the first "=", trimmed; may be empty or hold more "="
};

// The list in one of three states: never dimensioned (no file found yet), one empty element
// (a file without any "=" line), or the entries in file order.
class DayOffList {
 public:
  // Reads the file when it is a plain file (not a directory, hidden or system file) and replaces
  // the list with its entries. A missing file leaves the list as it was.
  // A file that is found but cannot be opened or read to its end throws nothing: the list then
  // holds the entries of the lines read before the failure (one empty element when none).
  void Load(const NativePath& file);

  // Replaces the list with the lines of a file's bytes: the whole file when readToEnd, otherwise
  // what was read before a read error, whose last, cut line is dropped. Lines end at CR, CR LF
  // or LF; the bytes are in the system's ANSI code page, or UTF-8 after a byte-order mark.
  void LoadBytes(std::string_view fileBytes, bool readToEnd = true);

  // The holiday name of the first entry whose month and day match the key, a two-digit month,
  // the locale's date separator and a two-digit day ("01/02"); "" when none matches. Never throws.
  std::string Find(std::string_view key) const;
  // The same, for a key written with the given date separator.
  std::string Find(std::string_view key, std::string_view dateSeparator) const;

  bool IsDimensioned() const;
  const std::vector<DayOffEntry>& Entries() const;

 private:
  static constexpr std::size_t kNoEntry = static_cast<std::size_t>(-1);

  void Append(DayOffEntry entry);

  std::vector<DayOffEntry> entries_;
  std::size_t count_ = 0;  // entries read from the file; 0 leaves the one empty element
  bool dimensioned_ = false;
  // Each date text is read once, at load: for month m and day d, firstEntry_[(m - 1) * 31 + d - 1]
  // is the index of the first entry with that month and day, or kNoEntry. This gives the answers
  // of a search through the list in file order without reading every date text per lookup.
  std::array<std::size_t, 12 * 31> firstEntry_{};
};

// The executable's folder joined with "\DayOff.dat" (the platform's separator elsewhere).
NativePath DayOffPath(const NativePath& executableFolder);

}  // namespace mirel
