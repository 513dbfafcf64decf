// Importing a scan: a 2,000-service channels.conf (VDR, as w_scan writes it) read and
// imported into the list at the format's table limits (the stress list). Target: under
// 100 ms, the file's parsing included.
// The stress list is full and past the receiver's memory, so every import into it is
// refused in the end, as it must be. The first case is refused at the list's limit of
// channels, after every service has been matched against its transponders and channels;
// the second has room for the channels, so the import also inserts them and counts the
// receiver's fill before it refuses and takes them back: the whole import but the
// window's refresh.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "base/SectionLocator.h"
#include "bench/BenchTargets.h"
#include "bench/StressFields.h"
#include "editing/ChannelImport.h"
#include "editing/ImportedTuning.h"
#include "tests/support/WorkingListBuilder.h"

namespace lumoscope {
namespace {

constexpr int kServices = 2000;
// Channels the second case keeps of the stress list's 9999, so that 2,000 more fit its
// tables.
constexpr size_t kChannelsWithRoom = 7000;

// A new scan of satellite 0 of the list: 2,000 services on its own transponders (as a
// technician finds them again), a fifth of them radio, none of them in the list yet.
std::string ChannelsConf(const std::vector<std::string>& fields) {
  const std::vector<KnownTransponder> tps =
      TranspondersOf(fields, SectionLocator(fields)[Section::DigitalTp], 0);
  std::string text;
  for (int i = 0; i < kServices; ++i) {
    const KnownTransponder& tp = tps[static_cast<size_t>(i) % tps.size()];
    const bool radio = i % 5 == 4;
    text += Format("Service %d;Provider %d:%ld:%sC23M5O35S1:S19.2E:%ld:%s:%d=deu@3:0:0:%d:1:%s:0\n", i, i % 7,
                   tp.frequency, tp.polarization.c_str(), tp.symbolRate,
                   radio ? "0" : Format("%d=27", 100 + i).c_str(), 2000 + i, 40000 + i, tp.index.c_str());
  }
  return text;
}

std::vector<std::string> WithRoomForTheChannels(std::vector<std::string> fields) {
  const SectionSpan channels = SectionLocator(fields)[Section::DigitalChannel];
  fields.erase(fields.begin() + static_cast<std::ptrdiff_t>(channels.At(kChannelsWithRoom)),
               fields.begin() + static_cast<std::ptrdiff_t>(channels.end));
  return fields;
}

void Import(benchmark::State& state, const std::vector<std::string>& list) {
  constexpr double kTargetMs = 100;
  bench::TimeTarget(state, kTargetMs);
  const std::string conf = ChannelsConf(list);
  std::string refusal;
  for (auto _ : state) {
    state.PauseTiming();
    test::FakeListView view(list);
    state.ResumeTiming();
    std::string error;
    const std::optional<ChannelFile> file = ParseChannelFile(conf, "channels.conf", error);
    benchmark::DoNotOptimize(ImportChannels(view, *file, "channels.conf", {"0"}));
    state.PauseTiming();
    refusal = view.reporter.boxes.empty() ? std::string() : view.reporter.boxes.front();
    state.ResumeTiming();
  }
  // Which limit refused it, for the reader of the figures.
  state.SetLabel(refusal.substr(0, refusal.find(':')));
}

void BM_ChannelsConfIntoTheStressList(benchmark::State& state) {
  Import(state, StressFields());
}
BENCHMARK(BM_ChannelsConfIntoTheStressList)->Unit(benchmark::kMillisecond);

void BM_ChannelsConfIntoTheStressListWithRoom(benchmark::State& state) {
  Import(state, WithRoomForTheChannels(StressFields()));
}
BENCHMARK(BM_ChannelsConfIntoTheStressListWithRoom)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumoscope
