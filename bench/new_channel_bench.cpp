// Making one new channel in a large list: the section walk, the index and transponder
// searches and the insertion all run over the whole working list once.
#include <benchmark/benchmark.h>

#include "editing/NewChannel.h"
#include "tests/support/WorkingListBuilder.h"

namespace lumoscope {
namespace {

constexpr int kTransponders = 2000;
constexpr int kChannels = 9000;

class TypingDialogs : public IChannelDialogs {
 public:
  bool RunDigital(DigitalChannelForm& f, const ChannelDialogSetup&) override {
    f.name = "BENCH";
    f.svcId = "1A";
    f.frequency = "14999";  // no transponder near it: the searches run to the end
    f.symbolRate = "27500";
    return true;
  }
  bool RunAnalog(AnalogChannelForm&, const ChannelDialogSetup&) override { return false; }
};

void BM_NewDigitalChannelInLargeList(benchmark::State& state) {
  test::WorkingListBuilder b;
  b.SatNames(32).Satellite("0", "SAT");
  for (int t = 1; t <= kTransponders; ++t)
    b.Transponder(std::to_string(t), "0", std::to_string(10000 + t), "27500", "H");
  for (int c = 1; c <= kChannels; ++c) b.Channel(std::to_string(c), "1", "0");
  const std::vector<std::string> list = b.Build();
  TypingDialogs dialogs;
  for (auto _ : state) {
    state.PauseTiming();
    test::FakeListView view(list);
    state.ResumeTiming();
    CreateNewChannel(view, dialogs);
    benchmark::DoNotOptimize(view.fields.data());
  }
}
BENCHMARK(BM_NewDigitalChannelInLargeList)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumoscope
