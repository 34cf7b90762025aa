// One DrawCalender of a month on the recording surface, with a holiday list of 100,000 entries
// beside the same with no list at all, in one run; prints the ratio of the two. A redraw should
// not grow noticeably slower with a large DayOff.dat (target: within 20%).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "bench/cpu_time_reporter.h"
#include "calendar/day_off_list.h"
#include "calendar/draw_calender.h"
#include "components/datetime/date_value.h"
#include "components/datetime/now.h"
#include "components/surface/recording_surface.h"

namespace {

constexpr int kEntries = 100000;
constexpr mirel::CalenderMonth kMonth{2024, 3, 5};

// Dates all over the year in the file's usual forms, with or without year and leading zeros.
const mirel::DayOffList& LargeList() {
  static const mirel::DayOffList list = [] {
    std::string text;
    text.reserve(kEntries * 24);
    char line[64];
    for (int i = 0; i < kEntries; ++i) {
      const int month = 1 + i % 12;
      const int day = 1 + (i / 12) % 28;
      if (i % 3 == 0) {
        std::snprintf(line, sizeof line, "%d/%d=holiday %d\r\n", month, day, i);
      } else if (i % 3 == 1) {
        std::snprintf(line, sizeof line, "%02d/%02d = holiday %d\r\n", month, day, i);
      } else {
        std::snprintf(line, sizeof line, "%d/%d/%d=holiday %d\r\n", 2000 + i % 30, month, day, i);
      }
      text += line;
    }
    mirel::DayOffList loaded;
    loaded.LoadBytes(text);
    return loaded;
  }();
  return list;
}

void Draw(benchmark::State& state, const mirel::DayOffList* list) {
  mirel::ScopedNowOverride now(mirel::DateSerial(2024, 3, 5));
  mirel::RecordingSurface surface;
  std::string caption;
  const mirel::DayOffLookup lookup = [list](std::string_view key) {
    return list != nullptr ? list->Find(key) : std::string();
  };
  for (auto _ : state) {
    surface.ClearOps();
    mirel::DrawCalender(surface, kMonth, lookup, [&](std::string_view text) { caption = text; });
    benchmark::DoNotOptimize(surface.Ops().data());
  }
}

void BM_DrawCalenderEmptyList(benchmark::State& state) {
  Draw(state, nullptr);
}
void BM_DrawCalender100000Entries(benchmark::State& state) {
  const mirel::DayOffList& list = LargeList();
  Draw(state, &list);
}
BENCHMARK(BM_DrawCalenderEmptyList);
BENCHMARK(BM_DrawCalender100000Entries);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  LargeList();  // loaded before the clock runs: the load is not what is measured here
  mirel::CpuTimeReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double empty = reporter.Nanoseconds("BM_DrawCalenderEmptyList");
  const double large = reporter.Nanoseconds("BM_DrawCalender100000Entries");
  if (empty > 0 && large > 0) {
    std::cout << "DrawCalender CPU time with 100,000 holidays / with none: " << large / empty
              << (large / empty <= 1.2 ? " (within 20%)" : " (MORE than 20% slower)") << "\n";
  }
  benchmark::Shutdown();
  return 0;
}
