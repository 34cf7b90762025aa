// The holiday list read from DayOff.dat beside the executable: lines "date text = holiday name".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

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
  void Load(const std::filesystem::path& file);

  // The holiday name of the first entry whose month and day match the key, a two-digit month,
  // the locale's date separator and a two-digit day ("01/02"); "" when none matches. Never throws.
  std::string Find(std::string_view key) const;

  bool IsDimensioned() const;
  const std::vector<DayOffEntry>& Entries() const;

 private:
  // Filled in by the implementation: entries, the month-day index, the state.
};

// The executable's folder joined with "\DayOff.dat" (the platform's separator elsewhere).
std::filesystem::path DayOffPath(const std::filesystem::path& executableFolder);

}  // namespace mirel
