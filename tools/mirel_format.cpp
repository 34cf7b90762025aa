// mirel-format: shows what a date/time pattern gives before it is stored as the display format.
//   mirel-format PATTERN                       Format(Now, PATTERN)
//   mirel-format --at 2000-01-02T03:04:05 PAT  the same at that instant
//   mirel-format --batch                       lines "value<TAB>pattern" from standard input
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "components/datetime/date_value.h"
#include "components/datetime/now.h"
#include "components/errors.h"
#include "components/format/format.h"

namespace {

constexpr std::string_view kUsage =
    "usage: mirel-format [--at YYYY-MM-DDTHH:MM:SS] PATTERN\n"
    "       mirel-format [--at YYYY-MM-DDTHH:MM:SS] --batch   (lines: value<TAB>pattern)\n"
    "  value: a date serial number (days from 1899-12-30, may be negative) or \"text\"\n";

std::optional<mirel::DateValue> ParseInstant(const std::string& text) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &year, &month, &day, &hour, &minute,
                  &second, &tail) != 6) {
    return std::nullopt;
  }
  if (month < 1 || month > 12 || day < 1 || hour > 23 || minute > 59 || second > 59 || hour < 0 ||
      minute < 0 || second < 0) {
    return std::nullopt;
  }
  try {
    const mirel::DateValue date = mirel::DateSerial(year, month, day);
    if (mirel::Day(date) != day) {
      return std::nullopt;  // 2001-02-29 would carry into March
    }
    return mirel::CombineDateAndTime(date, mirel::TimeSerial(hour, minute, second));
  } catch (const mirel::RunTimeError&) {
    return std::nullopt;
  }
}

// A decimal serial number, nothing else on the field: "36527", "-1.25", "36527.5".
std::optional<mirel::DateValue> ParseSerial(const std::string& text) {
  if (text.empty()) {
    return std::nullopt;
  }
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  const bool decimal = text.find_first_not_of("+-.0123456789") == std::string::npos;
  if (!decimal || end != text.c_str() + text.size()) {
    return std::nullopt;
  }
  return value;
}

// One line of the batch; the result, or an error message.
bool FormatBatchLine(const std::string& line, std::string& result) {
  const std::size_t tab = line.find('\t');
  if (tab == std::string::npos) {
    result = "no TAB between value and pattern";
    return false;
  }
  const std::string value = line.substr(0, tab);
  const std::string pattern = line.substr(tab + 1);
  try {
    if (!value.empty() && value.front() == '"') {
      const std::size_t lastQuote = value.rfind('"');
      if (lastQuote == 0) {
        result = "text value without its closing quote";
        return false;
      }
      result = mirel::Format(std::string_view(value).substr(1, lastQuote - 1), pattern);
      return true;
    }
    const auto serial = ParseSerial(value);
    if (!serial) {
      result = "value is neither a serial number nor a quoted text: " + value;
      return false;
    }
    result = mirel::Format(*serial, pattern);
    return true;
  } catch (const mirel::RunTimeError& error) {
    result = error.what();
    return false;
  }
}

int RunBatch() {
  int failures = 0;
  std::string line;
  for (long number = 1; std::getline(std::cin, line); ++number) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    std::string result;
    if (FormatBatchLine(line, result)) {
      std::cout << result << '\n';
    } else {
      std::cerr << "mirel-format: line " << number << ": " << result << '\n';
      std::cout << "#ERROR\n";
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<mirel::DateValue> at;
  bool batch = false;
  std::optional<std::string> pattern;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--at") {
      if (i + 1 >= argc || !(at = ParseInstant(argv[i + 1]))) {
        std::cerr << "mirel-format: --at needs a valid YYYY-MM-DDTHH:MM:SS\n" << kUsage;
        return 2;
      }
      ++i;
    } else if (arg == "--batch") {
      batch = true;
    } else if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (!pattern) {
      pattern = arg;  // taken as it is, even when it starts with '-'
    } else {
      std::cerr << "mirel-format: one pattern only (quote it)\n" << kUsage;
      return 2;
    }
  }
  std::optional<mirel::ScopedNowOverride> fixedNow;
  if (at) {
    fixedNow.emplace(*at);
  }
  if (batch) {
    if (pattern) {
      std::cerr << "mirel-format: --batch takes its patterns from standard input\n" << kUsage;
      return 2;
    }
    return RunBatch();
  }
  if (!pattern) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    std::cout << mirel::Format(mirel::Now(), *pattern) << '\n';
  } catch (const mirel::RunTimeError& error) {
    std::cerr << "mirel-format: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
