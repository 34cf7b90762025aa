#include "calendar/day_off_list.h"

#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <utility>

#include "calendar/day_off_text.h"
#include "components/datetime/civil_date.h"
#include "components/format/date_text_reader.h"
#include "components/format/locale_data.h"

namespace mirel {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct FileContent {
  std::string bytes;
  bool complete = false;  // read to its end without an error
};

// Everything that can be read of the file. A file that cannot be opened gives no bytes, a read
// error keeps the bytes before it; neither throws, so the calendar opens whatever the file does.
// C stdio rather than iostreams: the streams would add much to the size of the program, which
// scripts/package.sh reports and holds to its limit.
FileContent ReadFileContent(const NativePath& file) {
  FileContent content;
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream(OpenForReading(file), &std::fclose);
  if (!stream) {
    return content;
  }
  try {
    std::array<char, 64 * 1024> chunk;
    std::size_t read = 0;
    while ((read = std::fread(chunk.data(), 1, chunk.size(), stream.get())) > 0) {
      content.bytes.append(chunk.data(), read);
    }
    content.complete = std::ferror(stream.get()) == 0;
  } catch (const std::exception&) {
    content.complete = false;  // out of memory: keep what was read
  }
  return content;
}

// The month and day of a key "MM/DD" written with the given separator; nothing for any other
// text, which is what no date text normalises to.
std::optional<std::pair<int, int>> ParseKey(std::string_view key, std::string_view separator) {
  auto twoDigits = [](std::string_view text) -> std::optional<int> {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') {
      return std::nullopt;
    }
    return (text[0] - '0') * 10 + (text[1] - '0');
  };
  if (separator.empty() || key.size() != 4 + separator.size() ||
      key.substr(2, separator.size()) != separator) {
    return std::nullopt;
  }
  const auto month = twoDigits(key.substr(0, 2));
  const auto day = twoDigits(key.substr(2 + separator.size()));
  if (!month || !day || *month < 1 || *month > 12 || *day < 1 || *day > 31) {
    return std::nullopt;
  }
  return std::pair{*month, *day};
}

std::size_t Slot(int month, int day) {
  return static_cast<std::size_t>((month - 1) * 31 + day - 1);
}

// Whether bytes without a byte-order mark are UTF-8: valid throughout, with at least one byte
// outside ASCII (pure ASCII reads the same either way).
bool IsUtf8WithoutMark(std::string_view bytes) {
  bool nonAscii = false;
  for (unsigned char byte : bytes) {
    if (byte >= 0x80) {
      nonAscii = true;
      break;
    }
  }
  return nonAscii && IsValidUtf8(bytes);
}

}  // namespace

void DayOffList::Load(const NativePath& file) {
  if (!IsPlainFile(file)) {
    return;
  }
  const FileContent content = ReadFileContent(file);
  LoadBytes(content.bytes, content.complete);
}

void DayOffList::LoadBytes(std::string_view fileBytes, bool readToEnd) {
  // A found file always leaves the list dimensioned, with one empty element until a line with
  // "=" is read.
  entries_.assign(1, DayOffEntry{});
  count_ = 0;
  dimensioned_ = true;
  firstEntry_.fill(kNoEntry);

  bool utf8 = fileBytes.starts_with(kUtf8ByteOrderMark);
  if (utf8) {
    fileBytes.remove_prefix(kUtf8ByteOrderMark.size());
  } else {
    // After a read error only the complete lines count; a character cut by the error must not
    // make a UTF-8 file look like code page 932.
    const std::size_t lastEnding = fileBytes.find_last_of("\r\n");
    utf8 =
        IsUtf8WithoutMark(readToEnd                              ? fileBytes
                          : lastEnding == std::string_view::npos ? std::string_view()
                                                                 : fileBytes.substr(0, lastEnding));
  }
  AnsiDecoder decoder;
  try {
    ForEachLine(fileBytes, readToEnd, [&](std::string_view line) {
      const std::string text = utf8 ? SanitizeUtf8(line) : decoder.Decode(line);
      if (auto entry = ParseDayOffLine(text)) {
        Append(std::move(*entry));
      }
    });
  } catch (const std::exception&) {
    // Out of memory halfway through a huge file: keep the entries read so far.
  }
}

void DayOffList::Append(DayOffEntry entry) {
  const std::size_t index = count_;
  if (const auto parts = ParseDateText(entry.DateText)) {
    std::size_t& first = firstEntry_[Slot(parts->month, parts->day)];
    if (first == kNoEntry) {
      first = index;
    }
  }
  if (count_ == 0) {
    entries_[0] = std::move(entry);
  } else {
    entries_.push_back(std::move(entry));
  }
  ++count_;
}

std::string DayOffList::Find(std::string_view key) const {
  return Find(key, CurrentLocale().dateSeparator);
}

std::string DayOffList::Find(std::string_view key, std::string_view dateSeparator) const {
  try {
    const auto monthDay = ParseKey(key, dateSeparator);
    if (!monthDay) {
      return {};
    }
    const std::string* name = Match(monthDay->first, monthDay->second);
    return name == nullptr ? std::string() : *name;
  } catch (const std::exception&) {
    return {};
  }
}

const std::string* DayOffList::Match(int month, int day) const {
  if (!dimensioned_ || month < 1 || month > 12 || day < 1 || day > 31) {
    return nullptr;
  }
  const std::size_t index = firstEntry_[Slot(month, day)];
  return index == kNoEntry ? nullptr : &entries_[index].HolidayName;
}

bool DayOffList::IsDimensioned() const {
  return dimensioned_;
}

const std::vector<DayOffEntry>& DayOffList::Entries() const {
  return entries_;
}

HolidayNames::HolidayNames(const DayOffList& list, bool nationalHolidays, std::int64_t year)
    : list_(list), national_(nationalHolidays ? NationalHolidaysOf(year) : NationalHolidayYear()) {}

std::string HolidayNames::Find(int month, int day) const {
  if (const std::string* name = list_.Match(month, day)) {
    return *name;
  }
  return std::string(national_.Find(month, day));
}

std::string HolidayNames::Find(std::string_view key) const {
  try {
    const auto monthDay = ParseKey(key, CurrentLocale().dateSeparator);
    return monthDay ? Find(monthDay->first, monthDay->second) : std::string();
  } catch (const std::exception&) {
    return {};
  }
}

std::vector<ListedHoliday> HolidaysOfYear(const DayOffList& list, bool nationalHolidays,
                                          std::int64_t year) {
  const HolidayNames names(list, nationalHolidays, year);
  std::vector<ListedHoliday> holidays;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= DaysInMonth(year, month); ++day) {
      if (std::string name = names.Find(month, day); !name.empty()) {
        holidays.push_back({month, day, std::move(name)});
      }
    }
  }
  return holidays;
}

NativePath DayOffPath(const NativePath& executableFolder) {
  // The file name is joined with one separator; a folder that already ends in one (a drive's
  // root folder, "C:\") gets no second.
  NativePath text = executableFolder;
  if (text.empty() || (text.back() != kPathSeparator && text.back() != '/')) {
    text += kPathSeparator;
  }
  for (char c : std::string_view("DayOff.dat")) {
    text += static_cast<NativePath::value_type>(c);
  }
  return text;
}

}  // namespace mirel
