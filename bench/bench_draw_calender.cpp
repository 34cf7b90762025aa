// One DrawCalender of a month on the recording surface, with a holiday list of 100,000 entries
// beside the same with no list at all, in one run; prints the ratio of the two. A redraw should
// not grow noticeably slower with a large DayOff.dat (target: within 20%). Likewise a redraw of
// May 2026 (four national holidays) the way the window does it, with national holidays switched
// on beside off: the year's holidays are worked out at each redraw (target: within 20%). And the
// same redraw with the 六曜 switched on beside off, through the calendar the window keeps, whose
// cache holds the month's old-calendar years after the first redraw (target: within 20%); the
// fastest of several short repetitions of each, since a busy neighbour only ever adds time.
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
#include "components/kyureki/kyureki.h"
#include "tests/support/recording_surface.h"

namespace {

constexpr int kEntries = 100000;
constexpr int kSmallEntries = 12 * 28;  // one entry for each day the large list names
constexpr mirel::CalenderMonth kMonth{2024, 3, 5};
constexpr mirel::CalenderMonth kNationalMonth{2026, 5, 7};  // 5/3 to 5/6 are holidays
constexpr int kRokuyoRepetitions = 15;

// Dates all over the year in the file's usual forms, with or without year and leading zeros.
// The first kSmallEntries lines already name every day that the whole list names.
mirel::DayOffList MakeList(int entries) {
  std::string text;
  text.reserve(static_cast<std::size_t>(entries) * 24);
  char line[64];
  for (int i = 0; i < entries; ++i) {
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
}

const mirel::DayOffList& LargeList() {
  static const mirel::DayOffList list = MakeList(kEntries);
  return list;
}

// The same holidays in this month as the large list, from a list of a few hundred lines: the
// redraw draws the same names, so the two differ only in the size of the list.
const mirel::DayOffList& SmallList() {
  static const mirel::DayOffList list = MakeList(kSmallEntries);
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
void BM_DrawCalenderSameHolidaysSmallList(benchmark::State& state) {
  const mirel::DayOffList& list = SmallList();
  Draw(state, &list);
}
// The window's redraw: the names of the displayed year made anew, then the month drawn.
void DrawWindowMonth(benchmark::State& state, bool nationalHolidays, bool rokuyo = false) {
  mirel::ScopedNowOverride now(mirel::DateSerial(2026, 5, 7));
  mirel::RecordingSurface surface;
  std::string caption;
  const mirel::DayOffList noFile;
  mirel::KyurekiCalendar oldCalendar;
  for (auto _ : state) {
    surface.ClearOps();
    const mirel::HolidayNames names(noFile, nationalHolidays, kNationalMonth.CurYear);
    mirel::DrawCalender(
        surface, kNationalMonth, [&names](std::string_view key) { return names.Find(key); },
        [&](std::string_view text) { caption = text; }, mirel::PaletteFor(mirel::Look::kLight),
        rokuyo ? &oldCalendar : nullptr);
    benchmark::DoNotOptimize(surface.Ops().data());
  }
}
void BM_DrawCalenderNationalHolidaysOff(benchmark::State& state) {
  DrawWindowMonth(state, false);
}
void BM_DrawCalenderNationalHolidaysOn(benchmark::State& state) {
  DrawWindowMonth(state, true);
}
void BM_DrawCalenderRokuyoOff(benchmark::State& state) {
  DrawWindowMonth(state, false, false);
}
void BM_DrawCalenderRokuyoOn(benchmark::State& state) {
  DrawWindowMonth(state, false, true);
}

BENCHMARK(BM_DrawCalenderEmptyList);
BENCHMARK(BM_DrawCalenderSameHolidaysSmallList);
BENCHMARK(BM_DrawCalender100000Entries);
BENCHMARK(BM_DrawCalenderNationalHolidaysOff);
BENCHMARK(BM_DrawCalenderNationalHolidaysOn);
BENCHMARK(BM_DrawCalenderRokuyoOff)->MinTime(0.05)->Repetitions(kRokuyoRepetitions);
BENCHMARK(BM_DrawCalenderRokuyoOn)->MinTime(0.05)->Repetitions(kRokuyoRepetitions);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  LargeList();  // loaded before the clock runs: the load is not what is measured here
  SmallList();
  mirel::CpuTimeReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double empty = reporter.Nanoseconds("BM_DrawCalenderEmptyList");
  const double small = reporter.Nanoseconds("BM_DrawCalenderSameHolidaysSmallList");
  const double large = reporter.Nanoseconds("BM_DrawCalender100000Entries");
  if (empty > 0 && large > 0) {
    std::cout << "DrawCalender CPU time with 100,000 holidays / with none: " << large / empty
              << (large / empty <= 1.2 ? " (within 20%)" : " (MORE than 20% slower)") << "\n";
  }
  // Drawing 28 holiday names costs what it costs whatever the list; this ratio isolates the
  // list's size.
  if (small > 0 && large > 0) {
    std::cout << "DrawCalender CPU time with 100,000 holidays / the same month's holidays from "
              << kSmallEntries << " lines: " << large / small << "\n";
  }
  const double off = reporter.Nanoseconds("BM_DrawCalenderNationalHolidaysOff");
  const double on = reporter.Nanoseconds("BM_DrawCalenderNationalHolidaysOn");
  if (off > 0 && on > 0) {
    std::cout << "DrawCalender CPU time of May 2026 with national holidays on / off: " << on / off
              << (on / off <= 1.2 ? " (within 20%)" : " (MORE than 20% slower)") << "\n";
  }
  const std::string settings = "/min_time:0.050/repeats:" + std::to_string(kRokuyoRepetitions);
  const double plain = reporter.Nanoseconds("BM_DrawCalenderRokuyoOff" + settings);
  const double rokuyo = reporter.Nanoseconds("BM_DrawCalenderRokuyoOn" + settings);
  if (plain > 0 && rokuyo > 0) {
    std::cout << "DrawCalender CPU time of May 2026 with 六曜 on / off: " << rokuyo / plain
              << (rokuyo / plain <= 1.2 ? " (within 20%)" : " (MORE than 20% slower)") << "\n";
  }
  benchmark::Shutdown();
  return 0;
}
