// The console table of Google Benchmark, keeping each run's CPU time per iteration so that a
// benchmark program can print ratios after the table. CPU time rather than wall-clock time:
// on a shared machine the wall clock mostly measures the neighbours. Of repetitions of one run a
// program takes the fastest (the neighbours only ever add time) or, where repetitions of several
// runs are interleaved so that each ratio compares like with like, the median.
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
        nanoseconds_[run.benchmark_name()].push_back(run.cpu_accumulated_time * 1e9 /
                                                     static_cast<double>(run.iterations));
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Nanoseconds of CPU time per iteration of the named run ("BM_Load/1000"), the fastest of its
  // repetitions, whatever unit its table shows; 0 when it did not run.
  double Nanoseconds(const std::string& name) const {
    const std::vector<double>* times = Times(name);
    return times ? *std::min_element(times->begin(), times->end()) : 0.0;
  }

  // The same, the median of its repetitions (of an even number, the faster middle one).
  double MedianNanoseconds(const std::string& name) const {
    const std::vector<double>* times = Times(name);
    if (!times) {
      return 0.0;
    }
    std::vector<double> sorted = *times;
    const auto middle = sorted.begin() + static_cast<std::ptrdiff_t>((sorted.size() - 1) / 2);
    std::nth_element(sorted.begin(), middle, sorted.end());
    return *middle;
  }

 private:
  const std::vector<double>* Times(const std::string& name) const {
    const auto found = nanoseconds_.find(name);
    return found == nanoseconds_.end() ? nullptr : &found->second;
  }

  std::map<std::string, std::vector<double>> nanoseconds_;
};

}  // namespace mirel
