// The 六曜 of one calendar month, as a redraw of the calendar computes it, averaged over many
// different months of 1873-2200. Three cases: with an empty cache (the first month a window
// shows: its solstice years are computed from the new moons and solar terms), stepping month
// by month through the range with one calendar (each solstice year computed once, as a user
// paging through months sees it), and redrawing months already cached. Target under 20 µs.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>

#include "bench/cpu_time_reporter.h"
#include "components/datetime/civil_date.h"
#include "components/kyureki/kyureki.h"
#include "components/kyureki/rokuyo.h"

namespace {

constexpr int kFirstYear = 1873;
constexpr int kMonthsCovered = (2200 - kFirstYear + 1) * 12;

struct MonthStepper {
  int index = 0;  // months from January 1873, 0..kMonthsCovered - 1
  int Year() const { return kFirstYear + index / 12; }
  int Month() const { return index % 12 + 1; }
  void Next(int step) { index = (index + step) % kMonthsCovered; }
};

std::array<mirel::Rokuyo, 31> RokuyoOfMonth(mirel::KyurekiCalendar& calendar, int year, int month) {
  std::array<mirel::Rokuyo, 31> rokuyo{};
  const mirel::KyurekiMonthDates dates = calendar.DatesOfMonth(year, month);
  for (int day = 0; day < mirel::DaysInMonth(year, month); ++day) {
    rokuyo[day] = mirel::RokuyoOf(*dates[day]);
  }
  return rokuyo;
}

// A new calendar for every month; months 7 apart, so neighbours share nothing.
void BM_RokuyoMonthEmptyCache(benchmark::State& state) {
  MonthStepper month;
  for (auto _ : state) {
    mirel::KyurekiCalendar calendar;
    benchmark::DoNotOptimize(RokuyoOfMonth(calendar, month.Year(), month.Month()));
    month.Next(7 * 12 + 7);
  }
}

void BM_RokuyoMonthStepping(benchmark::State& state) {
  mirel::KyurekiCalendar calendar;
  MonthStepper month;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RokuyoOfMonth(calendar, month.Year(), month.Month()));
    month.Next(1);
  }
}

// The twelve months of one year in turn, all cached after the first round.
void BM_RokuyoMonthCached(benchmark::State& state) {
  mirel::KyurekiCalendar calendar;
  int month = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RokuyoOfMonth(calendar, 2026, month + 1));
    month = (month + 1) % 12;
  }
}

BENCHMARK(BM_RokuyoMonthEmptyCache)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RokuyoMonthStepping)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RokuyoMonthCached)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  mirel::CpuTimeReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const double empty = reporter.Nanoseconds("BM_RokuyoMonthEmptyCache");
  const double stepping = reporter.Nanoseconds("BM_RokuyoMonthStepping");
  const double cached = reporter.Nanoseconds("BM_RokuyoMonthCached");
  if (empty > 0 && stepping > 0 && cached > 0) {
    std::printf(
        "六曜 of one month (CPU time): %.2f us with an empty cache, %.2f us stepping month by "
        "month, %.2f us cached (target < 20 us)\n",
        empty / 1000, stepping / 1000, cached / 1000);
  }
  return 0;
}
