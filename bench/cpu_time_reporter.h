// The console table of Google Benchmark, keeping each run's CPU time per iteration so that a
// benchmark program can print ratios after the table. CPU time rather than wall-clock time:
// on a shared machine the wall clock mostly measures the neighbours; of repetitions of one run
// the fastest is kept, since the neighbours only ever add time.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace mirel {

class CpuTimeReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0) {
        const double nanoseconds =
            run.cpu_accumulated_time * 1e9 / static_cast<double>(run.iterations);
        const auto [entry, added] = nanoseconds_.emplace(run.benchmark_name(), nanoseconds);
        if (!added) {
          entry->second = std::min(entry->second, nanoseconds);
        }
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Nanoseconds of CPU time per iteration of the named run ("BM_Load/1000"), whatever unit its
  // table shows; 0 when it did not run.
  double Nanoseconds(const std::string& name) const {
    const auto found = nanoseconds_.find(name);
    return found == nanoseconds_.end() ? 0.0 : found->second;
  }

 private:
  std::map<std::string, double> nanoseconds_;
};

}  // namespace mirel
