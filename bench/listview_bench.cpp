// The list view on large lists, each operation with its refresh into a list control that
// stores every cell it is given: the key operations on a list of 13,990 channels that
// leaves the receiver room for inserts and pastes (about 200,000 strings), the rest on
// the stress list (the format's table limits: 9,999 channels, 999 PID channels, 4,999
// analog channels; 210,384 strings). Targets: each key operation and undo under 4 ms
// (the window adds its repaint and must stay within a 60 Hz frame), sort mode 2 under
// 5 ms and no slower than one check of the same list, padding of a 20-satellite list
// under 8 ms, an edit in place or in a dialog under 30 ms, five undo steps under 100 MB
// and a hundred under 200 MB peak (run that one alone: the peak is the process's), one
// keystroke in the filter within a 16 ms frame. The sort of reverse-sorted records, the
// exchange sort's worst case, is reported beside the typical list.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "base/Reporter.h"
#include "base/SectionLocator.h"
#include "base/SilentReporter.h"
#include "bench/BenchTargets.h"
#include "database/ListDB.h"
#include "editing/ChannelForms.h"
#include "listview/DocumentView.h"
#include "listview/ListView.h"
#include "tools/listgen/ListGenerator.h"
#include "transfer/SectionListLoader.h"

namespace lumoscope {
namespace {

// 9,000 channels and 990 PID channels: the 9,999 digital channels the receiver numbers
// less a few, so that insert and paste have room; 4,000 analog channels.
constexpr int kBigChannels = 9000;
constexpr int kBigPids = 990;
constexpr int kBigAnalogs = 4000;
constexpr int kBigSatellites = 40;
constexpr int kBigTransponders = 2000;

// Keeps every cell, as a real list control would.
class StoringControl final : public IListControl {
 public:
  void InsertColumn(int, const std::string&, int) override { ++columns_; }
  void DeleteColumn(int) override { --columns_; }
  int ColumnCount() const override { return columns_; }
  void DeleteAllItems() override {
    cells_.clear();
    selected.clear();
  }
  void InsertItem(int, const std::string& text, int) override {
    cells_.emplace_back(static_cast<size_t>(columns_));
    cells_.back()[0] = text;
  }
  void SetItemText(int row, int column, const std::string& text) override {
    cells_[static_cast<size_t>(row)][static_cast<size_t>(column)] = text;
  }
  int ItemCount() const override { return static_cast<int>(cells_.size()); }
  void ClearSelection() override { selected.clear(); }
  void DeleteItems(int row, int count) override {
    cells_.erase(cells_.begin() + row, cells_.begin() + row + count);
  }
  void InsertItems(int row, int count) override {
    cells_.insert(cells_.begin() + row, static_cast<size_t>(count),
                  std::vector<std::string>(static_cast<size_t>(columns_)));
  }
  void SetItemImage(int, int) override {}
  void MoveItems(const std::vector<int>& order) override {
    std::vector<std::vector<std::string>> moved;
    moved.reserve(order.size());
    for (int from : order) moved.push_back(std::move(cells_[static_cast<size_t>(from)]));
    cells_ = std::move(moved);
  }
  int TopIndex() const override { return 0; }
  int CountPerPage() const override { return 40; }
  bool IsSelected(int row) const override { return selected.count(row) > 0; }
  void SelectAndFocus(int row) override { selected.insert(row); }
  RowRect ItemRect(int) const override { return {}; }
  void EnsureVisible(int) override {}
  void SetColors(std::uint32_t, std::uint32_t) override {}
  void SetPointer(PointerShape) override {}
  std::set<int> selected;

 private:
  int columns_ = 0;
  std::vector<std::vector<std::string>> cells_;
};

class LoadedDocument final : public IViewDocument {
 public:
  bool IsLoaded() const override { return true; }
  CListDB* Database() override { return nullptr; }
  void Save() override {}
  void SetWindowTitle(const std::string&) override {}
};

std::vector<std::string> MakeList(int satellites, int transponders, int channels, int pids, int analogs) {
  std::mt19937 random(42);
  const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  std::vector<std::string> f{"SAT_NAME START"};
  for (int s = 1; s <= satellites; ++s) f.insert(f.end(), {std::to_string(s), "Sat" + std::to_string(s)});
  f.push_back("SAT_NAME END");
  f.push_back("SATELLITE START");
  for (int s = 1; s <= satellites; ++s) {
    f.insert(f.end(), {std::to_string(s), "Sat" + std::to_string(s), "N", "10600", "9750", "1", "0192"});
  }
  f.insert(f.end(), {"SATELLITE END", "DIGITAL START"});
  for (int t = 1; t <= transponders; ++t) {
    f.insert(f.end(),
             {std::to_string(t), std::to_string(1 + t % satellites), std::to_string(10700 + pick(2000)),
              "27500", pick(2) ? "H" : "V", "Bq" + std::to_string(pick(50))});
  }
  f.insert(f.end(), {"DIGITAL END", "CHANNEL START"});
  const auto name = [&] { return "Ch" + std::to_string(pick(100000)); };
  for (int c = 0; c < channels; ++c) {
    const int tp = 1 + pick(transponders);
    f.insert(f.end(), {"1", std::to_string(tp), std::to_string(1 + tp % satellites), "1234",
                       pick(4) ? "TV" : "RADIO", name(), "1", "N"});
  }
  f.insert(f.end(), {"CHANNEL END", "CHANNEL_PID START"});
  for (int p = 0; p < pids; ++p) {
    const int tp = 1 + pick(transponders);
    f.insert(f.end(), {"1", std::to_string(tp), std::to_string(1 + tp % satellites), pick(4) ? "TV" : "RADIO",
                       name(), "100", "101", "102", "1", "N"});
  }
  f.insert(f.end(), {"CHANNEL_PID END", "ANALOG START"});
  for (int a = 0; a < analogs; ++a) {
    f.insert(f.end(), {"1", std::to_string(1 + pick(satellites)), std::to_string(1000 + pick(500)), "C",
                       name(), "27MHz", "H", "1", "5", "CVBS", "STEREO", "0000", "0000", "130", "Y", "U50",
                       pick(4) ? "TV" : "RADIO", "N"});
  }
  f.push_back("ANALOG END");
  return f;
}

struct Bench {
  SilentReporter reporter;
  StoringControl control;
  LoadedDocument document;
  CLumoscopeListView view{control, reporter};
  Bench(int satellites, int transponders, int channels, int pids, int analogs)
      : Bench(MakeList(satellites, transponders, channels, pids, analogs)) {}
  explicit Bench(std::vector<std::string> fields) {
    view.SetDocument(&document);
    view.Fields() = std::move(fields);
    view.RefreshWithRenumber();
  }
  static Bench Big() { return Bench(kBigSatellites, kBigTransponders, kBigChannels, kBigPids, kBigAnalogs); }
  // The stress list as loading reads it.
  static Bench Stress() {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("lumoscope-bench-" + std::to_string(getpid()) + ".txt");
    std::ofstream(path, std::ios::binary) << listgen::StressList();
    SilentReporter reporter;
    AppOptions options;
    CListDB db(reporter, options, path.string());
    std::vector<std::string> fields;
    LoadSectionList(db, fields);
    std::filesystem::remove(path);
    return Bench(std::move(fields));
  }
  void Select(int row) {
    control.selected.clear();
    control.selected.insert(row);
  }
};

constexpr int kMiddleRow = kBigChannels / 2;

constexpr double kEditTargetMs = 4;
constexpr double kSortTargetMs = 5;
constexpr double kPaddingTargetMs = 8;
constexpr double kEditInPlaceTargetMs = 30;
constexpr double kFrameMs = 16;

// Every channel section's records in the reverse of their order.
void ReverseRecords(std::vector<std::string>& fields) {
  const SectionLocator sections(fields);
  for (Section s : {Section::DigitalChannel, Section::PidChannel, Section::AnalogTp}) {
    const SectionSpan& span = sections[s];
    const size_t n = span.Records();
    for (size_t a = 0, z = n; a + 1 < z; ++a, --z)
      std::swap_ranges(fields.begin() + static_cast<long>(span.At(a)),
                       fields.begin() + static_cast<long>(span.At(a) + span.width),
                       fields.begin() + static_cast<long>(span.At(z - 1)));
  }
}

void BM_Delete(benchmark::State& state) {
  bench::TimeTarget(state, kEditTargetMs);
  Bench b = Bench::Big();
  for (auto _ : state) {
    b.Select(kMiddleRow);
    b.view.OnKeyDown(ViewKey::Delete);
    state.PauseTiming();
    b.view.Undo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Delete)->Unit(benchmark::kMillisecond);

void BM_Insert(benchmark::State& state) {
  bench::TimeTarget(state, kEditTargetMs);
  Bench b = Bench::Big();
  for (auto _ : state) {
    b.Select(kMiddleRow);
    b.view.OnKeyDown(ViewKey::Insert);
    state.PauseTiming();
    b.view.Undo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Insert)->Unit(benchmark::kMillisecond);

void BM_Cut(benchmark::State& state) {
  bench::TimeTarget(state, kEditTargetMs);
  Bench b = Bench::Big();
  for (auto _ : state) {
    b.Select(kMiddleRow);
    b.view.OnKeyDown(ViewKey::F3);
    state.PauseTiming();
    b.view.Undo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Cut)->Unit(benchmark::kMillisecond);

void BM_Paste(benchmark::State& state) {
  bench::TimeTarget(state, kEditTargetMs);
  Bench b = Bench::Big();
  for (auto _ : state) {
    state.PauseTiming();
    b.Select(kMiddleRow);
    b.view.OnKeyDown(ViewKey::F3);
    b.Select(10);
    state.ResumeTiming();
    b.view.OnKeyDown(ViewKey::F4);
    state.PauseTiming();
    b.view.Undo();
    b.view.Undo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Paste)->Unit(benchmark::kMillisecond);

void BM_Undo(benchmark::State& state) {
  bench::TimeTarget(state, kEditTargetMs);
  Bench b = Bench::Big();
  for (auto _ : state) {
    state.PauseTiming();
    b.Select(kMiddleRow);
    b.view.OnKeyDown(ViewKey::Delete);
    state.ResumeTiming();
    b.view.Undo();
  }
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond);

// The sort command (sort, renumbering, refresh) from the same unsorted list each time.
void SortFrom(benchmark::State& state, Bench& b, const std::vector<std::string>& unsorted) {
  for (auto _ : state) {
    state.PauseTiming();
    b.view.Fields() = unsorted;
    b.view.RefreshWithRenumber();
    state.ResumeTiming();
    b.view.ExecuteCommand(cmd::kSortSatTypeFreqName);
  }
}

void BM_SortMode2(benchmark::State& state) {
  bench::TimeTarget(state, kSortTargetMs);
  Bench b = Bench::Stress();
  SortFrom(state, b, b.view.Fields());
}
BENCHMARK(BM_SortMode2)->Unit(benchmark::kMillisecond);

// The exchange sort's worst case: every record comes before all those ahead of it.
void BM_SortMode2ReverseSorted(benchmark::State& state) {
  Bench b = Bench::Stress();
  b.view.ExecuteCommand(cmd::kSortSatTypeFreqName);
  std::vector<std::string> reversed = b.view.Fields();
  ReverseRecords(reversed);
  SortFrom(state, b, reversed);
}
BENCHMARK(BM_SortMode2ReverseSorted)->Unit(benchmark::kMillisecond);

void BM_PeakMemoryFiveUndoSteps(benchmark::State& state) {
  bench::PeakTarget(state, 100);
  for (auto _ : state) {
    Bench b = Bench::Big();
    for (int i = 0; i < static_cast<int>(UndoRing::kDefaultDepth); ++i) {
      b.Select(kMiddleRow + i);
      b.view.OnKeyDown(ViewKey::Delete);
    }
    benchmark::DoNotOptimize(b.view.UndoCount());
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  constexpr double kKilobytesPerMegabyte = 1024.0;
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / kKilobytesPerMegabyte;
}
BENCHMARK(BM_PeakMemoryFiveUndoSteps)->Unit(benchmark::kMillisecond)->Iterations(1);

// A channel dialog that renames the channel it is opened with, each time to another name.
class RenamingDialogs final : public IChannelDialogs {
 public:
  bool RunDigital(DigitalChannelForm& form, const ChannelDialogSetup&) override {
    form.name = "Renamed " + std::to_string(++count_ % 100000);
    return true;
  }
  bool RunAnalog(AnalogChannelForm&, const ChannelDialogSetup&) override { return false; }

 private:
  int count_ = 0;
};

// A transponder's frequency in the transponder section view, edited in place: the value
// checked, the undo step recorded, the section view filled again.
void BM_StressEditCellAndRefresh(benchmark::State& state) {
  bench::TimeTarget(state, kEditInPlaceTargetMs);
  Bench b = Bench::Stress();
  b.view.ExecuteCommand(cmd::kViewDigitalTps);
  constexpr int kFrequencyColumn = 2;
  int value = 0;
  for (auto _ : state)
    b.view.EditCell(kMiddleRow / 4, kFrequencyColumn, std::to_string(11000 + ++value % 999));
}
BENCHMARK(BM_StressEditCellAndRefresh)->Unit(benchmark::kMillisecond);

// A channel renamed in its dialog from the channel view, with the joined tables rebuilt.
void BM_StressEditChannelAndRefresh(benchmark::State& state) {
  bench::TimeTarget(state, kEditInPlaceTargetMs);
  Bench b = Bench::Stress();
  RenamingDialogs dialogs;
  b.view.SetChannelDialogs(&dialogs);
  for (auto _ : state) b.view.EditChannelAt(kMiddleRow);
}
BENCHMARK(BM_StressEditChannelAndRefresh)->Unit(benchmark::kMillisecond);

void BM_StressPeakMemoryHundredUndoSteps(benchmark::State& state) {
  bench::PeakTarget(state, 200);
  constexpr size_t kSteps = 100;
  for (auto _ : state) {
    Bench b = Bench::Stress();
    RenamingDialogs dialogs;
    b.view.SetChannelDialogs(&dialogs);
    b.view.SetUndoDepth(kSteps);
    for (size_t i = 0; i < kSteps; ++i) b.view.EditChannelAt(static_cast<int>(i * 50));
    if (b.view.UndoCount() != static_cast<int>(kSteps)) state.SkipWithError("not every edit made a step");
    state.counters["list_strings"] = static_cast<double>(b.view.Fields().size());
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  constexpr double kKilobytesPerMegabyte = 1024.0;
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / kKilobytesPerMegabyte;
}
BENCHMARK(BM_StressPeakMemoryHundredUndoSteps)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Padding(benchmark::State& state) {
  bench::TimeTarget(state, kPaddingTargetMs);
  constexpr int kSatellites = 20;
  constexpr int kTransponders = 400;
  constexpr int kChannels = 2000;
  constexpr int kAnalogs = 500;
  Bench b(kSatellites, kTransponders, kChannels, 0, kAnalogs);
  const std::vector<std::string> original = b.view.Fields();
  for (auto _ : state) {
    state.PauseTiming();
    b.view.Fields() = original;
    b.view.RefreshWithRenumber();
    state.ResumeTiming();
    b.view.PadToHundreds();
  }
}
BENCHMARK(BM_Padding)->Unit(benchmark::kMillisecond);

// Typing "chan 12" into the filter and clearing it again, one keystroke per iteration:
// the rows shown are decided and refilled into the control (the first letters match
// nearly every one of the 10,998 digital rows).
void BM_FilterKeystroke(benchmark::State& state) {
  bench::TimeTarget(state, kFrameMs);
  Bench b = Bench::Stress();
  const std::string typed = "chan 12";
  size_t length = 0;
  for (auto _ : state) {
    length = length == typed.size() ? 0 : length + 1;
    b.view.SetFilter(typed.substr(0, length));
  }
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond);

// The first keystroke after a change: the search texts of every row are made anew.
void BM_FilterFirstKeystrokeAfterAChange(benchmark::State& state) {
  bench::TimeTarget(state, kFrameMs);
  Bench b = Bench::Stress();
  for (auto _ : state) {
    state.PauseTiming();
    b.view.SetFilter("");
    b.view.BuildChannelTables();
    state.ResumeTiming();
    b.view.SetFilter("chan 123");
  }
}
BENCHMARK(BM_FilterFirstKeystrokeAfterAChange)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumoscope
