// Compiling and applying a pattern take time linear in the pattern's length, whatever it holds:
// each kind of pattern is timed at 64 KiB and at 1 MiB, and the ratio of the two is printed
// (16 when linear; a stored pattern of any length must not freeze the clock).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstddef>
#include <cstdio>
#include <string>

#include "bench/cpu_time_reporter.h"
#include "components/datetime/date_value.h"
#include "components/format/format.h"

namespace {

constexpr std::size_t kSmall = 64 * 1024;
constexpr std::size_t kLarge = 1024 * 1024;

struct Kind {
  const char* name;
  const char* unit;  // repeated to the length; an odd length leaves a part of it
  const char* prefix;
};

const Kind kKinds[] = {
    {"token-letter run", "y", ""},  // yyyy tokens, one run
    {"plain-letter run", "x", ""},  // copied letters, one run
    {"quoted text", "x", "\""},     // one quote left open to the end
    {"backslash chain", "\\", ""},  // each backslash escapes the next
    {"alternation", "hm", ""},      // hour and minute by turns, each its own run
    {"marker alternation", "ampm", ""},
};

std::string PatternOf(const Kind& kind, std::size_t length) {
  std::string pattern = kind.prefix;
  const std::string unit = kind.unit;
  while (pattern.size() < length) {
    pattern += unit;
  }
  pattern.resize(length);
  return pattern;
}

void BM_CompileAndFormat(benchmark::State& state) {
  const Kind& kind = kKinds[state.range(0)];
  const std::string pattern = PatternOf(kind, static_cast<std::size_t>(state.range(1)));
  const mirel::DateValue value = mirel::DateSerial(2000, 1, 2) + mirel::TimeSerial(3, 4, 5);
  std::string text;  // reused, as the clock reuses its caption buffer
  for (auto _ : state) {
    const mirel::FormatPattern compiled(pattern);
    text.clear();
    compiled.AppendTo(text, value);
    benchmark::DoNotOptimize(text);
  }
}

// Of several repetitions the fastest counts: on a shared machine a neighbour's burst can slow
// any one of them, and only ever slows it.
constexpr int kRepetitions = 5;

void Register() {
  for (std::size_t i = 0; i < std::size(kKinds); ++i) {
    for (const std::size_t length : {kSmall, kLarge}) {
      benchmark::RegisterBenchmark("BM_CompileAndFormat", BM_CompileAndFormat)
          ->Args({static_cast<long>(i), static_cast<long>(length)})
          ->Repetitions(kRepetitions)
          ->Unit(benchmark::kMillisecond);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  // Blocks of a megabyte stay in the heap instead of going back to the system after each run:
  // otherwise every 1 MiB run pays for mapping and zeroing fresh pages and the ratio measures
  // the allocator rather than the pattern engine.
  mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
  Register();
  mirel::CpuTimeReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (std::size_t i = 0; i < std::size(kKinds); ++i) {
    // The run's name carries its repetitions.
    const auto run = [&](std::size_t length) {
      return "BM_CompileAndFormat/" + std::to_string(i) + "/" + std::to_string(length) +
             "/repeats:" + std::to_string(kRepetitions);
    };
    const double small = reporter.Nanoseconds(run(kSmall));
    const double large = reporter.Nanoseconds(run(kLarge));
    if (small > 0 && large > 0) {
      std::printf("ratio 1MiB/64KiB %s: %.1f (target <= 20)\n", kKinds[i].name, large / small);
    }
  }
  benchmark::Shutdown();
  return 0;
}
