#pragma once
// Targets of the Google Benchmark figures. A benchmark states its own target where it is
// defined; the reporter of BenchMain.cpp prints each figure's median beside it.
#include <benchmark/benchmark.h>

namespace lumoscope::bench {

// Counter names the reporter looks for.
inline constexpr const char* kTargetMs = "target_ms";
inline constexpr const char* kTargetPeakMb = "target_peak_MB";
inline constexpr const char* kPeakMb = "peak_MB";

// The median wall time per iteration must stay under `ms` milliseconds.
inline void TimeTarget(benchmark::State& state, double ms) {
  state.counters[kTargetMs] = ms;
}

// The process's peak resident memory (counter peak_MB) must stay under `megabytes`.
inline void PeakTarget(benchmark::State& state, double megabytes) {
  state.counters[kTargetPeakMb] = megabytes;
}

}  // namespace lumoscope::bench
