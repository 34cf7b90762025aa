// Format("yyyy/mm/dd hh:nn:ss") against glibc strftime("%Y/%m/%d %H:%M:%S") on the same instants,
// in one run; prints the ratio Format/strftime (the caption is formatted twice a second, so
// Format should cost no more than the C library's own formatter).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "bench/cpu_time_reporter.h"
#include "components/datetime/date_value.h"
#include "components/format/format.h"

namespace {

constexpr char kPattern[] = "yyyy/mm/dd hh:nn:ss";
constexpr char kStrftimePattern[] = "%Y/%m/%d %H:%M:%S";

struct Instants {
  std::vector<mirel::DateValue> values;
  std::vector<std::tm> broken;  // the same instants, already split, as strftime takes them
};

const Instants& SampleInstants() {
  static const Instants instants = [] {
    Instants result;
    // 4096 instants spread over 1900..2100, each with its own time of day.
    for (int i = 0; i < 4096; ++i) {
      const double value = 1.0 + i * 17.83 + (i * 7919 % 86400) / 86400.0;
      const mirel::DateTimeParts parts = mirel::SplitDateValue(value);
      std::tm tm{};
      tm.tm_year = parts.year - 1900;
      tm.tm_mon = parts.month - 1;
      tm.tm_mday = parts.day;
      tm.tm_hour = parts.hour;
      tm.tm_min = parts.minute;
      tm.tm_sec = parts.second;
      tm.tm_wday = parts.weekday - 1;
      tm.tm_yday = parts.dayOfYear - 1;
      result.values.push_back(value);
      result.broken.push_back(tm);
    }
    return result;
  }();
  return instants;
}

void BM_Format(benchmark::State& state) {
  const auto& values = SampleInstants().values;
  std::size_t i = 0;
  for (auto _ : state) {
    std::string text = mirel::Format(values[i], kPattern);
    benchmark::DoNotOptimize(text);
    i = (i + 1) % values.size();
  }
}
BENCHMARK(BM_Format);

void BM_Strftime(benchmark::State& state) {
  const auto& broken = SampleInstants().broken;
  std::size_t i = 0;
  char buffer[64];
  for (auto _ : state) {
    const std::size_t length = std::strftime(buffer, sizeof buffer, kStrftimePattern, &broken[i]);
    benchmark::DoNotOptimize(length);
    benchmark::DoNotOptimize(buffer);
    i = (i + 1) % broken.size();
  }
}
BENCHMARK(BM_Strftime);

// The clock's own path: one compiled pattern appending into a reused buffer.
void BM_FormatPatternAppendTo(benchmark::State& state) {
  const auto& values = SampleInstants().values;
  const mirel::FormatPattern pattern(kPattern);
  std::string text;
  std::size_t i = 0;
  for (auto _ : state) {
    text.clear();
    pattern.AppendTo(text, values[i]);
    benchmark::DoNotOptimize(text);
    i = (i + 1) % values.size();
  }
}
BENCHMARK(BM_FormatPatternAppendTo);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  // Check once that both sides write the same text, so the comparison is a fair one.
  {
    const auto& instants = SampleInstants();
    char buffer[64];
    for (std::size_t i = 0; i < instants.values.size(); ++i) {
      std::strftime(buffer, sizeof buffer, kStrftimePattern, &instants.broken[i]);
      if (mirel::Format(instants.values[i], kPattern) != buffer) {
        std::fprintf(stderr, "Format and strftime disagree at %zu: %s\n", i, buffer);
        return 1;
      }
    }
  }
  mirel::CpuTimeReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double format = reporter.Nanoseconds("BM_Format");
  const double strftime = reporter.Nanoseconds("BM_Strftime");
  const double appendTo = reporter.Nanoseconds("BM_FormatPatternAppendTo");
  if (format > 0 && strftime > 0) {
    std::printf("ratio Format/strftime: %.2f (target <= 1.0)\n", format / strftime);
    std::printf("ratio FormatPattern::AppendTo/strftime: %.2f\n", appendTo / strftime);
  }
  benchmark::Shutdown();
  return 0;
}
