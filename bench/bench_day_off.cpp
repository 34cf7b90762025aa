// The holiday list: loading DayOff.dat, and the 31 lookups one month's drawing makes, for lists of
// 10, 1,000 and 100,000 entries; the lookups beside a plain search that reads every date text in
// file order on each lookup. The month's lookups should cost the same at 100,000 entries as at 10.
// Also the national holidays of one year, worked out at every redraw: target under 2 µs.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "bench/cpu_time_reporter.h"
#include "calendar/day_off_list.h"
#include "components/datetime/date_value.h"
#include "components/format/date_text_reader.h"
#include "components/format/locale_data.h"
#include "components/holidays/national_holidays.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSizes[] = {10, 1000, 100000};
constexpr int kCurrentYear = 2024;

std::string Key(int month, int day) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", month);
  std::string key = text;
  key += mirel::CurrentLocale().dateSeparator;
  std::snprintf(text, sizeof text, "%02d", day);
  return key + text;
}

// Entries spread over the year in the file's usual forms; none falls in January after the
// first ten, so most January lookups run through the whole list when searched plainly.
std::string FileText(int entries) {
  std::string text;
  for (int i = 0; i < entries; ++i) {
    const int month = i < 10 ? 1 : 2 + i % 11;
    const int day = i < 10 ? 1 + i * 3 : 1 + i % 28;
    text += (i % 2 ? std::to_string(month) + "/" + std::to_string(day)
                   : "2000/" + std::to_string(month) + "/" + std::to_string(day)) +
            " = 休日" + std::to_string(i) + "\r\n";
  }
  return text;
}

fs::path FilePath(int entries) {
  return fs::temp_directory_path() / ("mirel_bench_day_off_" + std::to_string(entries) + ".dat");
}

const std::vector<std::string>& JanuaryKeys() {
  static const std::vector<std::string> keys = [] {
    std::vector<std::string> all;
    for (int day = 1; day <= 31; ++day) {
      all.push_back(Key(1, day));
    }
    return all;
  }();
  return keys;
}

// The search without an index: each date text is read as a date in the current year and
// written as "mm/dd", for every entry passed, on every lookup.
std::string PlainFind(const mirel::DayOffList& list, const std::string& key) {
  for (const mirel::DayOffEntry& entry : list.Entries()) {
    const auto date = mirel::ReadDateText(entry.DateText, kCurrentYear);
    if (date && Key(mirel::Month(*date), mirel::Day(*date)) == key) {
      return entry.HolidayName;
    }
  }
  return "";
}

mirel::DayOffList Loaded(int entries) {
  mirel::DayOffList list;
  list.Load(FilePath(entries));
  return list;
}

void BM_Load(benchmark::State& state) {
  const fs::path file = FilePath(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    mirel::DayOffList list;
    list.Load(file);
    benchmark::DoNotOptimize(list.Entries().data());
  }
}

void BM_MonthLookups(benchmark::State& state) {
  const mirel::DayOffList list = Loaded(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    for (const std::string& key : JanuaryKeys()) {
      benchmark::DoNotOptimize(list.Find(key));
    }
  }
}

void BM_MonthLookupsPlainSearch(benchmark::State& state) {
  const mirel::DayOffList list = Loaded(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    for (const std::string& key : JanuaryKeys()) {
      benchmark::DoNotOptimize(PlainFind(list, key));
    }
  }
}

// A different year at each call, over the years of every rule, so nothing is worked out once.
void BM_NationalHolidaysOfYear(benchmark::State& state) {
  std::int64_t year = 1948;
  for (auto _ : state) {
    benchmark::DoNotOptimize(mirel::NationalHolidaysOf(year));
    year = year == 2150 ? 1948 : year + 1;
  }
}

BENCHMARK(BM_NationalHolidaysOfYear)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_Load)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MonthLookups)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_MonthLookupsPlainSearch)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  for (const int entries : kSizes) {
    std::ofstream(FilePath(entries), std::ios::binary) << "\xEF\xBB\xBF" << FileText(entries);
  }
  benchmark::Initialize(&argc, argv);
  mirel::CpuTimeReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const double small = reporter.Nanoseconds("BM_MonthLookups/10");
  const double large = reporter.Nanoseconds("BM_MonthLookups/100000");
  const double plainLarge = reporter.Nanoseconds("BM_MonthLookupsPlainSearch/100000");
  if (small > 0 && large > 0) {
    std::printf("month of lookups (CPU time), 100000 entries / 10 entries: %.2f (target <= 1.20)\n",
                large / small);
  }
  if (large > 0 && plainLarge > 0) {
    std::printf("plain search / index at 100000 entries: %.0f times\n", plainLarge / large);
  }
  const double year = reporter.Nanoseconds("BM_NationalHolidaysOfYear");
  if (year > 0) {
    std::printf("national holidays of one year (CPU time): %.3f us (target < 2 us)\n", year / 1000);
  }
  for (const int entries : kSizes) {
    std::error_code error;
    fs::remove(FilePath(entries), error);
  }
  return 0;
}
