// mirel-cal: the month calendar in a terminal, drawn by the same DrawCalender as the window.
//   mirel-cal [--year Y] [--month M] [--day D] [--today DATE] [--dayoff FILE] [--national] [--list]
//             [--rokuyo]
// --month 13 shows January of the following year and 0 December of the year before, as the
// window's arrow keys do. --day is the day number whose cell is framed (the window's loading
// day); --today sets the current date (default: the system's). --national adds Japan's national
// holidays where the holiday file names no day, as the window's switch does; --list prints the
// named days of the year (--year, default this year) as "YYYY/MM/DD<TAB>name" instead of the grid.
// --rokuyo puts each day's 六曜 in its cell and today's 六曜 and old-calendar date on the bottom
// line, as the window's switch does. --list --rokuyo prints every day of the year, or of the
// month when --month is given, as "YYYY/MM/DD<TAB>六曜<TAB>旧M/D" ("閏M/D" in a leap month).
// Days outside 1873..2200, where the old calendar is not computed, show and print nothing.
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/day_off_list.h"
#include "calendar/draw_calender.h"
#include "components/datetime/civil_date.h"
#include "components/datetime/date_value.h"
#include "components/datetime/now.h"
#include "components/format/date_text_reader.h"
#include "components/kyureki/kyureki.h"
#include "components/kyureki/rokuyo.h"
#include "components/surface/text_surface.h"
#include "tools/utf8_main.h"

namespace {

constexpr int kColumnsPerDay = 10;
constexpr int kLinesPerWeek = 3;  // the 六曜 (or a blank line), the number, the holiday name

constexpr std::string_view kUsage =
    "使い方: mirel-cal [--year 年] [--month 月] [--day 日] [--today 日付] [--dayoff ファイル]\n"
    "                 [--national] [--rokuyo] [--list]\n"
    "  --year, --month  表示する年と月 (既定: 今日の年月; 月 13 は翌年 1 月、0 は前年 12 月)\n"
    "  --day            赤枠で囲む日 (既定: 今日の日)\n"
    "  --today          今日の日付 (例: 2024/3/5)\n"
    "  --dayoff         祝日ファイル (日付=祝日名 の行)\n"
    "  --national       国民の祝日も表示する (祝日ファイルにない日)\n"
    "  --list           月の表の代わりに、その年の祝日を 1 行ずつ出す (年/月/日<TAB>祝日名)\n"
    "  --rokuyo         各日に六曜を、下の行に今日の六曜と旧暦を表示する。--list と共に:\n"
    "                   その年 (--month があればその月) の毎日の六曜と旧暦を 1 行ずつ出す\n"
    "                   (年/月/日<TAB>六曜<TAB>旧月/日、閏月は 閏月/日)。\n"
    "                   旧暦のない 1873 年より前と 2200 年より後の日には出さない\n";

struct UsageError {
  std::string message;
};

std::int32_t ParseInteger(std::string_view option, std::string_view text) {
  std::int32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    throw UsageError{std::string(option) + " には整数を指定して下さい: " + std::string(text)};
  }
  return value;
}

struct Options {
  std::optional<std::int32_t> year, month, day;
  std::optional<mirel::DateValue> today;
  std::optional<std::filesystem::path> dayOffFile;
  bool national = false;
  bool list = false;
  bool rokuyo = false;
  bool help = false;
};

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      continue;
    }
    if (arg == "--national") {
      options.national = true;
      continue;
    }
    if (arg == "--list") {
      options.list = true;
      continue;
    }
    if (arg == "--rokuyo") {
      options.rokuyo = true;
      continue;
    }
    std::string_view name = arg;
    std::optional<std::string_view> value;
    if (auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
      name = arg.substr(0, eq);
      value = arg.substr(eq + 1);
    }
    if (name != "--year" && name != "--month" && name != "--day" && name != "--today" &&
        name != "--dayoff") {
      throw UsageError{"不明なオプションです: " + std::string(arg)};
    }
    if (!value) {
      if (i + 1 >= argc) {
        throw UsageError{std::string(name) + " に値がありません"};
      }
      value = argv[++i];
    }
    if (name == "--year") {
      options.year = ParseInteger(name, *value);
    } else if (name == "--month") {
      options.month = ParseInteger(name, *value);
    } else if (name == "--day") {
      options.day = ParseInteger(name, *value);
      if (*options.day < 1 || *options.day > 31) {
        throw UsageError{"--day は 1 から 31 までです: " + std::string(*value)};
      }
    } else if (name == "--today") {
      auto parts = mirel::ParseDateText(*value);
      if (!parts || !parts->year) {
        throw UsageError{"--today には年月日を指定して下さい: " + std::string(*value)};
      }
      options.today = mirel::DateSerial(*parts->year, parts->month, parts->day);
    } else {
      options.dayOffFile = std::filesystem::path(std::string(*value));
    }
  }
  return options;
}

// Every day of a month with its 六曜 and old-calendar date; nothing for days the old calendar
// does not cover.
void PrintRokuyoMonth(int year, int month) {
  const mirel::KyurekiMonthDates dates = mirel::KyurekiDatesOfMonth(year, month);
  char date[40];  // room for any three ints, so the compiler sees nothing cut
  for (int day = 1; day <= mirel::DaysInMonth(year, month); ++day) {
    if (const std::optional<mirel::KyurekiDate> kyureki = dates[day - 1]) {
      std::snprintf(date, sizeof date, "%04d/%02d/%02d", year, month, day);
      std::cout << date << '\t' << mirel::RokuyoName(mirel::RokuyoOf(*kyureki)) << '\t'
                << mirel::KyurekiShortText(*kyureki) << '\n';
    }
  }
}

// The year's days, or one month's when a month is given (folded into its year as the grid
// folds it: 13 is January of the next year).
void PrintRokuyoList(std::int32_t year, std::optional<std::int32_t> month) {
  mirel::CivilMonth first{year, 1};
  mirel::CivilMonth last{year, 12};
  if (month) {
    first = last = mirel::DisplayedMonth(year, *month);
  }
  if (!mirel::IsShowableMonth(first.year, first.month) ||
      !mirel::IsShowableMonth(last.year, last.month)) {
    throw UsageError{"表示できるのは 100年1月 から 9999年12月 までです"};
  }
  for (std::int64_t each = first.month; each <= last.month; ++each) {
    PrintRokuyoMonth(static_cast<int>(first.year), static_cast<int>(each));
  }
}

void PrintHolidayList(const mirel::DayOffList& dayOffList, bool national, std::int32_t year) {
  char date[16];
  for (const mirel::ListedHoliday& holiday : mirel::HolidaysOfYear(dayOffList, national, year)) {
    std::snprintf(date, sizeof date, "%04d/%02d/%02d", year, holiday.month, holiday.day);
    std::cout << date << '\t' << holiday.name << '\n';
  }
}

int Run(int argc, char** argv) {
  Options options = ParseOptions(argc, argv);
  if (options.help) {
    std::cout << kUsage;
    return 0;
  }
  std::optional<mirel::ScopedNowOverride> fixedToday;
  if (options.today) {
    fixedToday.emplace(*options.today);
  }
  mirel::DateValue today = mirel::Date();
  if (options.list && options.rokuyo) {
    PrintRokuyoList(options.year.value_or(mirel::Year(today)), options.month);
    return 0;
  }
  mirel::CalenderMonth month{.CurYear = options.year.value_or(mirel::Year(today)),
                             .CurMonth = options.month.value_or(mirel::Month(today)),
                             .CurDay = options.day.value_or(mirel::Day(today))};
  // A list covers the whole year, whatever month the grid would show.
  if (options.list
          ? !mirel::IsShowableMonth(month.CurYear, 1) || !mirel::IsShowableMonth(month.CurYear, 12)
          : !mirel::IsShowableMonth(month.CurYear, month.CurMonth)) {
    throw UsageError{"表示できるのは 100年1月 から 9999年12月 までです"};
  }

  mirel::DayOffList dayOffList;
  if (options.dayOffFile) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(*options.dayOffFile, error)) {
      std::cerr << "mirel-cal: 祝日ファイルがありません: " << options.dayOffFile->string() << "\n";
      return 1;
    }
    // The window opens without holidays when the file cannot be read; asked for by name, the
    // file must be readable.
    if (std::FILE* file = std::fopen(options.dayOffFile->c_str(), "rb")) {
      std::fclose(file);
    } else {
      std::cerr << "mirel-cal: 祝日ファイルを開けません: " << options.dayOffFile->string() << ": "
                << std::strerror(errno) << "\n";
      return 1;
    }
    dayOffList.Load(*options.dayOffFile);
  }

  if (options.list) {
    PrintHolidayList(dayOffList, options.national, month.CurYear);
    return 0;
  }

  mirel::TextSurface surface(7 * kColumnsPerDay, 7 * kLinesPerWeek);
  std::string caption;
  const mirel::HolidayNames names(dayOffList, options.national,
                                  mirel::DisplayedMonth(month.CurYear, month.CurMonth).year);
  mirel::KyurekiCalendar oldCalendar;
  mirel::DrawCalender(
      surface, month, [&](std::string_view key) { return names.Find(key); },
      [&](std::string_view text) { caption = text; }, mirel::PaletteFor(mirel::Look::kLight),
      options.rokuyo ? &oldCalendar : nullptr);
  bool ansi = ::isatty(STDOUT_FILENO) != 0;
  std::cout << caption << "\n" << surface.Render(ansi);
  return 0;
}

}  // namespace

int Utf8Main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const UsageError& error) {
    std::cerr << "mirel-cal: " << error.message << "\n" << kUsage;
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "mirel-cal: " << error.what() << "\n";
    return 1;
  }
}
