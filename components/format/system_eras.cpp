#include "components/format/system_eras.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <tuple>

namespace mirel {
namespace {

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) {
      return parts;
    }
    start = end + 1;
  }
}

bool ParseInt(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  auto [ptr, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && ptr == end;
}

// "1989 01 08" = "平成_平_Heisei_H"
bool ParseEra(const std::string& name, const std::string& data, EraInfo& era) {
  std::vector<std::string> date = Split(name, ' ');
  std::erase(date, std::string());
  const std::vector<std::string> names = Split(data, '_');
  if (date.size() != 3 || names.size() < 4 || names[0].empty() || names[1].empty() ||
      names[3].empty()) {
    return false;
  }
  if (!ParseInt(date[0], era.startYear) || !ParseInt(date[1], era.startMonth) ||
      !ParseInt(date[2], era.startDay)) {
    return false;
  }
  if (era.startYear < 100 || era.startYear > 9999 || era.startMonth < 1 || era.startMonth > 12 ||
      era.startDay < 1 || era.startDay > 31) {
    return false;
  }
  era.name = names[0];
  era.abbreviation = names[1];
  era.letter = names[3];
  return true;
}

auto StartOf(const EraInfo& era) {
  return std::tuple(era.startYear, era.startMonth, era.startDay);
}

}  // namespace

std::vector<EraInfo> MergeSystemEras(const std::vector<std::pair<std::string, std::string>>& values,
                                     const std::vector<EraInfo>& builtIn) {
  // Each era goes to its place by start as it is read (a handful of entries: no sort needed).
  // Of two entries for one day the first the system lists is kept: two would make the era of
  // that day ambiguous.
  std::vector<EraInfo> eras;
  for (const auto& [name, data] : values) {
    EraInfo era;
    if (!ParseEra(name, data, era)) {
      continue;
    }
    const auto at = std::lower_bound(
        eras.begin(), eras.end(), era,
        [](const EraInfo& a, const EraInfo& b) { return StartOf(a) < StartOf(b); });
    if (at == eras.end() || StartOf(*at) != StartOf(era)) {
      eras.insert(at, std::move(era));
    }
  }
  if (eras.empty()) {
    return builtIn;
  }
  // A system without the latest updates still knows the eras this program was built with.
  for (const EraInfo& era : builtIn) {
    if (StartOf(era) > StartOf(eras.back())) {
      eras.push_back(era);
    }
  }
  return eras;
}

}  // namespace mirel
