// The main of lumoscope_bench: runs the benchmarks and prints one line per figure, its
// median (wall time, CPU time beside it), its target and whether it holds, in place of
// Google Benchmark's table. Errors of a benchmark are printed as they come.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/BenchTargets.h"
#include "bench/FigureLine.h"

namespace {

using lumoscope::bench::PrintFigure;

// A figure that must not be slower than another one: the sort of the stress list does
// less work than reading and checking it once.
struct RelativeTarget {
  const char* figure;
  const char* reference;
};
constexpr RelativeTarget kRelativeTargets[] = {{"SortMode2", "CheckStressList"}};

double Milliseconds(double value, benchmark::TimeUnit unit) {
  switch (unit) {
    case benchmark::kNanosecond:
      return value / 1e6;
    case benchmark::kMicrosecond:
      return value / 1e3;
    case benchmark::kMillisecond:
      return value;
    case benchmark::kSecond:
      return value * 1e3;
  }
  return value;
}

std::string Figure(const benchmark::BenchmarkReporter::Run& run) {
  std::string name = run.run_name.function_name;
  if (name.starts_with("BM_")) name.erase(0, 3);
  return name;
}

class FigureReporter final : public benchmark::BenchmarkReporter {
 public:
  bool ReportContext(const Context& /*context*/) override {
    std::printf("%-52s %13s %-18s %-26s %s\n", "figure", "median", "", "target", "");
    return true;
  }

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) {
        std::printf("%-52s failed: %s\n", Figure(run).c_str(), run.error_message.c_str());
        ++missed_;
        continue;
      }
      // With repetitions only the median stands for the figure.
      if (run.repetitions > 1 && (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median"))
        continue;
      const std::string figure = Figure(run);
      const double wall = Milliseconds(run.GetAdjustedRealTime(), run.time_unit);
      const double cpu = Milliseconds(run.GetAdjustedCPUTime(), run.time_unit);
      medians_[figure] = wall;
      Judge(figure, wall, "ms", Counter(run, lumoscope::bench::kTargetMs), "(cpu " + Fixed(cpu) + ")");
      if (run.counters.count(lumoscope::bench::kPeakMb) > 0)
        Judge(figure + " peak", Counter(run, lumoscope::bench::kPeakMb), "MB",
              Counter(run, lumoscope::bench::kTargetPeakMb));
    }
  }

  void Finalize() override {
    for (const RelativeTarget& r : kRelativeTargets) {
      const auto figure = medians_.find(r.figure);
      const auto reference = medians_.find(r.reference);
      if (figure == medians_.end() || reference == medians_.end() || reference->second <= 0) continue;
      Judge(std::string(r.figure) + " / " + r.reference, figure->second / reference->second, "x", 1.0);
    }
    std::printf("%d target(s) hold, %d missed\n", held_, missed_);
  }

 private:
  static double Counter(const Run& run, const char* name) {
    const auto it = run.counters.find(name);
    return it == run.counters.end() ? 0.0 : static_cast<double>(it->second);
  }
  static std::string Fixed(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
  }
  void Judge(const std::string& figure, double median, const char* unit, double target,
             const std::string& extra = {}) {
    const bool holds = PrintFigure(figure, median, unit, target, extra);
    if (target > 0) ++(holds ? held_ : missed_);
  }

  std::map<std::string, double> medians_;
  int held_ = 0;
  int missed_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  FigureReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
