// The holiday list read from DayOff.dat beside the executable: lines "date text = holiday name".
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "components/holidays/national_holidays.h"
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
  // or LF. The bytes are UTF-8 after a byte-order mark, and UTF-8 without one when they are valid
  // UTF-8 throughout and hold at least one non-ASCII byte (a file saved by a present-day editor);
  // anything else is in the system's ANSI code page, as a file of an older editor is. Text that
  // users write in code page 932 is practically never valid UTF-8: its lead bytes 0x81-0x9F
  // cannot begin a UTF-8 sequence, and its other bytes rarely pair up as UTF-8 does.
  void LoadBytes(std::string_view fileBytes, bool readToEnd = true);

  // The holiday name of the first entry whose month and day match the key, a two-digit month,
  // the locale's date separator and a two-digit day ("01/02"); "" when none matches. Never throws.
  std::string Find(std::string_view key) const;
  // The same, for a key written with the given date separator.
  std::string Find(std::string_view key, std::string_view dateSeparator) const;
  // The name of the first entry for that month and day ("" when its name is empty), or null when
  // no entry matches them.
  const std::string* Match(int month, int day) const;

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

// The names the days of one year are drawn with: the holiday file first, its first entry for a
// month and day winning even with an empty name (which keeps the day plain, so that a user can hide
// a national holiday); only for a day that no entry matches, the national holiday of that date
// when national holidays are on. The list must outlive the object.
// Example: with national holidays on and a file "7/20 =", HolidayNames(list, true, 2026) gives ""
// for July 20 (海の日 hidden) and "春分の日" for March 20.
class HolidayNames {
 public:
  HolidayNames(const DayOffList& list, bool nationalHolidays, std::int64_t year);
  std::string Find(int month, int day) const;
  // The same for a key as DayOffList::Find takes it; "" for a key that is none. Never throws.
  std::string Find(std::string_view key) const;

 private:
  const DayOffList& list_;
  NationalHolidayYear national_;  // empty when national holidays are off
};

struct ListedHoliday {
  int month = 0;
  int day = 0;
  std::string name;  // never empty
};

// Every day of the year with a name to draw, in date order, as HolidayNames gives them.
std::vector<ListedHoliday> HolidaysOfYear(const DayOffList& list, bool nationalHolidays,
                                          std::int64_t year);

// The executable's folder joined with "\DayOff.dat" (the platform's separator elsewhere).
NativePath DayOffPath(const NativePath& executableFolder);

}  // namespace mirel
