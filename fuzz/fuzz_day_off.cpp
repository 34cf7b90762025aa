// The holiday list on any file bytes: loading never crashes, and every lookup answers as the
// plain search through the entries in file order would.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calendar/day_off_list.h"
#include "components/format/date_text_reader.h"

namespace {

std::string Key(int month, int day) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d/%02d", month, day);
  return text;
}

// The month and day of every entry, read once per input to keep the fuzzer fast; the search
// below still walks them in file order for every key.
std::vector<std::optional<std::pair<int, int>>> MonthDays(const mirel::DayOffList& list) {
  std::vector<std::optional<std::pair<int, int>>> monthDays;
  for (const mirel::DayOffEntry& entry : list.Entries()) {
    const auto parts = mirel::ParseDateText(entry.DateText);
    monthDays.push_back(parts ? std::optional(std::pair{parts->month, parts->day}) : std::nullopt);
  }
  return monthDays;
}

std::string PlainFind(const mirel::DayOffList& list,
                      const std::vector<std::optional<std::pair<int, int>>>& monthDays, int month,
                      int day) {
  for (std::size_t i = 0; i < monthDays.size(); ++i) {
    if (monthDays[i] == std::pair{month, day}) {
      return list.Entries()[i].HolidayName;
    }
  }
  return "";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  mirel::DayOffList list;
  list.LoadBytes(bytes, size % 2 == 0);
  if (!list.IsDimensioned() || list.Entries().empty()) {
    std::abort();
  }
  const auto monthDays = MonthDays(list);
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 31; ++day) {
      if (list.Find(Key(month, day), "/") != PlainFind(list, monthDays, month, day)) {
        std::abort();
      }
    }
  }
  return 0;
}
