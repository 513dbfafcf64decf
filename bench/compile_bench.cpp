// Compile speed on the shared generated lists: the check and the basic compile of the
// list at the format's table limits (targets under 4 and under 5 ms), and the normal plus
// basic compile of the largest list a receiver takes (target under 5 ms together).
#include <benchmark/benchmark.h>

#include "base/Reporter.h"
#include "base/SilentReporter.h"
#include "bench/BenchTargets.h"
#include "database/Compiler.h"
#include "tools/listgen/ListGenerator.h"

namespace {

using namespace lumoscope;

const std::string& Stress() {
  static const std::string text = listgen::StressList();
  return text;
}

const std::string& Full() {
  static const std::string text = listgen::FullReceiverList();
  return text;
}

void CompileOrFail(benchmark::State& state, const std::string& text, bool normal, bool check) {
  SilentReporter reporter;
  CompileRequest request;
  request.normal = normal;
  request.validateOnly = check;
  const CompileResult r = CompileText(text, request, reporter);
  if (!r.ok) state.SkipWithError("the list was refused");
  if (!check) {
    std::string hex = ImageToHex(r.image, normal);
    benchmark::DoNotOptimize(hex.data());
  }
}

void BM_CheckStressList(benchmark::State& state) {
  bench::TimeTarget(state, 4);
  for (auto _ : state) CompileOrFail(state, Stress(), false, true);
}
BENCHMARK(BM_CheckStressList)->Unit(benchmark::kMillisecond);

void BM_BasicCompileStressList(benchmark::State& state) {
  bench::TimeTarget(state, 5);
  for (auto _ : state) CompileOrFail(state, Stress(), false, false);
}
BENCHMARK(BM_BasicCompileStressList)->Unit(benchmark::kMillisecond);

void BM_NormalAndBasicCompileFullReceiverList(benchmark::State& state) {
  bench::TimeTarget(state, 5);
  for (auto _ : state) {
    CompileOrFail(state, Full(), true, false);
    CompileOrFail(state, Full(), false, false);
  }
}
BENCHMARK(BM_NormalAndBasicCompileFullReceiverList)->Unit(benchmark::kMillisecond);

}  // namespace
