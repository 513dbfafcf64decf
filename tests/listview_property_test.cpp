// Long random sequences of editing operations on generated lists: after every step the
// working list must still be whole records between the markers, and the display must
// match it. Sorts and moves must keep every record.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "base/ListLimits.h"
#include "tests/support/ListViewFixture.h"
#include "tests/support/TempDir.h"
#include "tools/listgen/ListGenerator.h"
#include "transfer/SectionListLoader.h"
#include "transfer/SectionListWriter.h"

namespace lumoscope::test {
namespace {

constexpr int kSteps = 300;
constexpr size_t kPadOnlyBelow = 400;  // keeps the lists small enough to stay quick

// Every record of the channel sections without its Index, sorted: what sorts and
// moves must keep.
Strings RecordBag(const std::vector<std::string>& fields) {
  Strings bag;
  const SectionLocator sections(fields);
  for (Section s : {Section::DigitalChannel, Section::PidChannel, Section::AnalogTp}) {
    const int width = static_cast<int>(RecordWidth(s));
    for (size_t r = 0; r < sections[s].Records(); ++r) {
      std::string joined;
      for (int k = 1; k < width; ++k) joined += fields[sections[s].At(r, k)] + "|";
      bag.push_back(joined);
    }
  }
  std::sort(bag.begin(), bag.end());
  return bag;
}

class PropertyTest : public ListViewTest {
 protected:
  FieldsBuilder Generate(std::mt19937& random) {
    FieldsBuilder b;
    const int sats = 1 + static_cast<int>(random() % 4);
    for (int s = 1; s <= sats; ++s) {
      b.SatName(std::to_string(s), "Sat" + std::to_string(s))
          .Satellite(std::to_string(s), "Sat" + std::to_string(s));
      b.Tp(std::to_string(s), std::to_string(s), std::to_string(10700 + s * 100),
           "B" + std::to_string(s % 2));
    }
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const int channels = pick(60), pids = pick(10), analogs = pick(30);
    const auto sat = [&] { return std::to_string(1 + pick(sats)); };
    const auto type = [&] { return pick(3) ? "TV" : "RADIO"; };
    const auto name = [&] { return std::string(1, static_cast<char>('a' + pick(5))); };
    for (int i = 0; i < channels; ++i) {
      const std::string s = sat();
      b.Channel(pick(5) ? s : "0", s, type(), name(), std::to_string(100 + i));
    }
    for (int i = 0; i < pids; ++i) {
      const std::string s = sat();
      b.Pid(s, s, type(), name());
    }
    for (int i = 0; i < analogs; ++i) b.Analog(sat(), type(), name(), std::to_string(1000 + pick(4)));
    return b;
  }

  void SelectRandom(std::mt19937& random, bool contiguous) {
    control.selected.clear();
    const int count = control.ItemCount();
    if (count == 0) return;
    const int first = static_cast<int>(random() % static_cast<unsigned>(count));
    const int n = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < n && first + i < count; ++i) {
      if (contiguous || random() % 2) control.selected.insert(first + i);
    }
    control.top = std::max(0, first - static_cast<int>(random() % 30));
  }

  void Step(std::mt19937& random) {
    const int count = control.ItemCount();
    switch (random() % 12) {
      case 0:
      case 1:
        SelectRandom(random, false);
        view.OnKeyDown(ViewKey::Delete);
        break;
      case 2:
        SelectRandom(random, false);
        view.OnKeyDown(ViewKey::Insert);
        break;
      case 3:
        SelectRandom(random, false);
        view.OnKeyDown(ViewKey::F3);
        break;
      case 4:
        SelectRandom(random, false);
        view.OnKeyDown(ViewKey::F4);
        break;
      case 5: {
        const Strings bag = RecordBag(view.Fields());
        view.SetSortAscending(random() % 2);
        view.SetRenumberAfterSort(random() % 2);
        const int sorts[] = {cmd::kSortSatTypeName, cmd::kSortSatTypeFreqName, cmd::kSortSatTypeBouquetName,
                             cmd::kSortName};
        view.ExecuteCommand(sorts[random() % 4]);
        ASSERT_EQ(RecordBag(view.Fields()), bag);
        break;
      }
      case 6: {
        if (count < 2) break;
        const Strings bag = RecordBag(view.Fields());
        SelectRandom(random, true);
        const int from = control.selected.empty() ? 0 : *control.selected.begin();
        const int to = static_cast<int>(random() % static_cast<unsigned>(count));
        control.top = std::max(0, std::min(from, to));
        control.pageSize = std::max(from, to) - control.top + 1;
        view.OnLButtonDown(control.PointOnRow(from));
        view.OnBeginDrag();
        view.OnLButtonUp(control.PointOnRow(to));
        control.pageSize = 20;
        ASSERT_EQ(RecordBag(view.Fields()), bag);
        break;
      }
      case 7:
        if (view.Fields().size() < kPadOnlyBelow * RecordWidth(Section::DigitalChannel))
          view.ExecuteCommand(cmd::kPadToHundreds);
        break;
      case 8:
        view.ExecuteCommand(cmd::kRevertPadding);
        break;
      case 9:
      case 10:
        view.ExecuteCommand(cmd::kUndo);
        break;
      case 11:
        view.ExecuteCommand(random() % 2 ? cmd::kViewDigitalChannels : cmd::kViewAnalogChannels);
        break;
    }
  }

  void CheckConsistent() {
    const std::vector<std::string>& f = view.Fields();
    ASSERT_EQ(CheckWellFormed(f), "");
    const SectionLocator sections(f);
    const long digital = static_cast<long>(sections[Section::DigitalChannel].Records() +
                                           sections[Section::PidChannel].Records());
    const auto analog = static_cast<long>(sections[Section::AnalogTp].Records());
    ASSERT_EQ(view.DigitalRows().size(), static_cast<size_t>(digital * kDigitalRowWidth));
    ASSERT_EQ(view.AnalogRows().size(), static_cast<size_t>(analog * kAnalogRowWidth));
    ASSERT_EQ(control.ItemCount(), view.ShowDigital() ? digital : analog);
    ASSERT_LE(digital, kMaxDigitalChannels);
    ASSERT_LE(analog, kMaxAnalogChannels);
  }
};

TEST_F(PropertyTest, RandomEditingKeepsTheListWellFormed) {
  for (unsigned seed = 1; seed <= 4; ++seed) {
    std::mt19937 random(seed);
    Load(Generate(random));
    view.ResetUndo();
    for (int step = 0; step < kSteps; ++step) {
      Step(random);
      ASSERT_NO_FATAL_FAILURE(CheckConsistent()) << "seed " << seed << " step " << step;
    }
  }
}

TEST_F(PropertyTest, EditedListSavesAndReopensWithEveryRecord) {
  TempDir dir;
  const std::string path = dir.Write("list.txt", listgen::SmallList());
  AppOptions options;
  CListDB db(reporter, options, path);
  std::vector<std::string> probe;
  if (listgen::SmallList().empty() || !LoadSectionList(db, probe)) {
    GTEST_SKIP() << "needs the section list loader, writer and a generated list";
  }
  document.database = &db;
  for (unsigned seed = 1; seed <= 3; ++seed) {
    ASSERT_TRUE(view.Reload());
    std::mt19937 random(seed);
    for (int step = 0; step < kSteps / 4; ++step) Step(random);
    ASSERT_TRUE(SaveSectionList(db, view.Fields()));
    std::vector<std::string> reopened;
    ASSERT_TRUE(LoadSectionList(db, reopened)) << "seed " << seed;
    EXPECT_EQ(RecordBag(reopened), RecordBag(view.Fields()));
  }
}

}  // namespace
}  // namespace lumoscope::test
