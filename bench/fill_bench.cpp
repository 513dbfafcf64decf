// How full a list makes the receiver, counted again after an edit, as the window's status
// bar and every edit's check of the receiver's limits do. Target: under 1 ms on the list at
// the format's table limits (the stress list).
#include <benchmark/benchmark.h>

#include "base/RecordFields.h"
#include "base/SectionLocator.h"
#include "bench/BenchTargets.h"
#include "bench/StressFields.h"
#include "database/ListFill.h"

namespace {

using namespace lumoscope;

// A channel in the middle of the list changes its type, then the fill is counted.
void BM_StressFillAfterAnEdit(benchmark::State& state) {
  std::vector<std::string> fields = StressFields();
  const SectionSpan channels = SectionLocator(fields)[Section::DigitalChannel];
  std::string& type = fields[channels.At(channels.Records() / 2, field::kChType)];
  bool radio = false;
  bench::TimeTarget(state, 1);
  for (auto _ : state) {
    type = (radio = !radio) ? "RADIO" : "TV";
    benchmark::DoNotOptimize(FillOfList(fields));
  }
}
BENCHMARK(BM_StressFillAfterAnEdit)->Unit(benchmark::kMicrosecond);

}  // namespace
