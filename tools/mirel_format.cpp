// mirel-format: shows what a date/time pattern gives before it is stored as the display format.
//   mirel-format PATTERN                       Format(Now, PATTERN)
//   mirel-format --at 2000-01-02T03:04:05 PAT  the same at that instant
//   mirel-format --batch                       lines "value<TAB>pattern" from standard input
// Built natively and for both Windows targets, so that one input can be put through every
// build of the engine; text is UTF-8 in and out everywhere (tools/utf8_main.h).
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "components/datetime/now.h"
#include "components/errors.h"
#include "components/format/format.h"
#include "components/format/pattern_tool.h"
#include "tools/utf8_main.h"

namespace {

constexpr std::string_view kUsage =
    "usage: mirel-format [--at YYYY-MM-DDTHH:MM:SS] PATTERN\n"
    "       mirel-format [--at YYYY-MM-DDTHH:MM:SS] --batch   (lines: value<TAB>pattern)\n"
    "  value: a date serial number (days from 1899-12-30, may be negative) or \"text\"\n";

int RunBatch() {
  int failures = 0;
  std::string line;
  for (long number = 1; std::getline(std::cin, line); ++number) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    const mirel::BatchLineResult result = mirel::FormatBatchLine(line);
    if (result.ok) {
      std::cout << result.text << '\n';
    } else {
      std::cerr << "mirel-format: line " << number << ": " << result.text << '\n';
      std::cout << "#ERROR\n";
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}

}  // namespace

int Utf8Main(int argc, char** argv) {
  std::optional<mirel::DateValue> at;
  bool batch = false;
  std::optional<std::string> pattern;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--at") {
      if (i + 1 >= argc || !(at = mirel::ParseIsoInstant(argv[i + 1]))) {
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
    // Cut to the second as the clock shows it, not rounded half a second ahead.
    std::cout << mirel::Format(mirel::WholeSecondOf(mirel::Now()), *pattern) << '\n';
  } catch (const mirel::RunTimeError& error) {
    std::cerr << "mirel-format: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
