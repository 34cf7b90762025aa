// The clock's caption as the clock writes it, a pattern compiled once and appended into a reused
// buffer, on the same instants as glibc's strftime, in one run:
//   "yyyy/mm/dd hh:nn:ss" against strftime("%Y/%m/%d %H:%M:%S"): target at most 0.8, since
//   the caption is written twice a second and should cost less than the C library's formatter;
//   the general form (the empty pattern, the clock's default caption, which goes through the
//   locale's pictures) against that pattern: target at most 1.0.
// Format(), which compiles its pattern on every call, is timed beside them. Each ratio is of
// medians of repetitions interleaved in random order, so a neighbour's burst falls on both sides.
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
constexpr int kRepetitions = 25;
constexpr std::size_t kInstantCount = 4096;

struct Instants {
  std::vector<mirel::DateValue> values;
  std::vector<std::tm> broken;  // the same instants, already split, as strftime takes them
};

const Instants& SampleInstants() {
  static const Instants instants = [] {
    Instants result;
    // 4096 instants spread over 1900..2100, each with its own time of day.
    for (std::size_t i = 0; i < kInstantCount; ++i) {
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

// The next of the instants, round and round: without a division, which would cost the
// benchmarks more than some of what they time.
std::size_t Next(std::size_t i) {
  return i + 1 == kInstantCount ? 0 : i + 1;
}

void BM_Strftime(benchmark::State& state) {
  const auto& broken = SampleInstants().broken;
  std::size_t i = 0;
  char buffer[64];
  for (auto _ : state) {
    const std::size_t length = std::strftime(buffer, sizeof buffer, kStrftimePattern, &broken[i]);
    benchmark::DoNotOptimize(length);
    benchmark::DoNotOptimize(buffer);
    i = Next(i);
  }
}
BENCHMARK(BM_Strftime)->MinTime(0.1)->Repetitions(kRepetitions);

// The clock's own path.
void AppendCompiled(benchmark::State& state, const char* pattern) {
  const auto& values = SampleInstants().values;
  const mirel::FormatPattern compiled(pattern);
  std::string text;
  std::size_t i = 0;
  for (auto _ : state) {
    text.clear();
    compiled.AppendTo(text, values[i]);
    benchmark::DoNotOptimize(text);
    i = Next(i);
  }
}

void BM_CompiledPattern(benchmark::State& state) {
  AppendCompiled(state, kPattern);
}
BENCHMARK(BM_CompiledPattern)->MinTime(0.1)->Repetitions(kRepetitions);

void BM_CompiledGeneralForm(benchmark::State& state) {
  AppendCompiled(state, "");
}
BENCHMARK(BM_CompiledGeneralForm)->MinTime(0.1)->Repetitions(kRepetitions);

void BM_Format(benchmark::State& state) {
  const auto& values = SampleInstants().values;
  std::size_t i = 0;
  for (auto _ : state) {
    std::string text = mirel::Format(values[i], kPattern);
    benchmark::DoNotOptimize(text);
    i = Next(i);
  }
}
BENCHMARK(BM_Format)->MinTime(0.1)->Repetitions(kRepetitions);

// Check once that both sides write the same text, so the comparison is a fair one.
bool SameTextAsStrftime() {
  const auto& instants = SampleInstants();
  char buffer[64];
  for (std::size_t i = 0; i < instants.values.size(); ++i) {
    std::strftime(buffer, sizeof buffer, kStrftimePattern, &instants.broken[i]);
    if (mirel::Format(instants.values[i], kPattern) != buffer) {
      std::fprintf(stderr, "Format and strftime disagree at %zu: %s\n", i, buffer);
      return false;
    }
  }
  return true;
}

// The median of the named benchmark's repetitions; its run's name carries its settings.
double Median(const mirel::CpuTimeReporter& reporter, const std::string& benchmark) {
  return reporter.MedianNanoseconds(benchmark +
                                    "/min_time:0.100/repeats:" + std::to_string(kRepetitions));
}

void PrintRatio(const char* what, double numerator, double denominator, const char* target) {
  if (numerator > 0 && denominator > 0) {
    std::printf("ratio %s: %.2f%s\n", what, numerator / denominator, target);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Interleaved unless the command line says otherwise.
  std::vector<char*> arguments(argv, argv + argc);
  char interleaving[] = "--benchmark_enable_random_interleaving=true";
  arguments.insert(arguments.begin() + 1, interleaving);
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());
  if (benchmark::ReportUnrecognizedArguments(count, arguments.data()) || !SameTextAsStrftime()) {
    return 1;
  }
  mirel::CpuTimeReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double strftime = Median(reporter, "BM_Strftime");
  const double plain = Median(reporter, "BM_CompiledPattern");
  const double general = Median(reporter, "BM_CompiledGeneralForm");
  const double format = Median(reporter, "BM_Format");
  PrintRatio("compiled yyyy/mm/dd hh:nn:ss / strftime", plain, strftime, " (target <= 0.8)");
  PrintRatio("general form / yyyy/mm/dd hh:nn:ss, both compiled", general, plain,
             " (target <= 1.0)");
  PrintRatio("Format() / strftime, compiling on every call", format, strftime, "");
  benchmark::Shutdown();
  return 0;
}
