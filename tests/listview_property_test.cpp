// Long random sequences of editing operations on generated lists: after every step the
// working list must still be whole records between the markers, and the display must be
// the one a full refresh of that list shows (the refresh after an edit rebuilds only what
// the edit touched). Sorts and moves must keep every record; undo gives back the list of
// before the edit, and redo the list after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <utility>

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
  // A view and its control. The twin takes the same steps as the view under test, but
  // every refresh of it builds everything anew: the list is given out to it before each
  // step, so it can know nothing of what an edit changed.
  struct Side {
    CLumoscopeListView& view;
    FakeListControl& control;
  };

  PropertyTest() { twinView.SetDocument(&twinDocument); }

  // The list as the view holds it, read without telling the view it may change.
  const std::vector<std::string>& List() const { return std::as_const(view).Fields(); }

  void Load(const FieldsBuilder& builder) {
    ListViewTest::Load(builder);
    twinView.Fields() = builder.Build();
    twinView.RefreshWithRenumber();
  }

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

  static void SelectRandom(FakeListControl& control, std::mt19937& random, bool contiguous) {
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

  // The same random step on both sides, the twin's refreshed from nothing.
  void Both(std::mt19937& random, const std::function<void(Side&, std::mt19937&)>& act) {
    std::mt19937 same = random;
    Side tested{view, control};
    act(tested, random);
    Side twin{twinView, twinControl};
    twinView.Fields();
    act(twin, same);
  }

  // An edit, then now and then its undo and redo.
  void Step(std::mt19937& random) {
    const std::vector<std::string> before = List();
    const int steps = view.UndoCount();
    Both(random, [this](Side& side, std::mt19937& r) { Act(side, r); });
    ASSERT_NO_FATAL_FAILURE(CheckSameAsTwin());
    if (List() == before || view.UndoCount() == 0 || view.RedoCount() > 0 || random() % 3 != 0) return;
    // An edit changed the list and recorded its step (the count may stay at the depth).
    ASSERT_TRUE(view.UndoCount() > steps || view.UndoCount() == static_cast<int>(view.UndoDepth()));
    const std::vector<std::string> after = List();
    Both(random, [](Side& side, std::mt19937&) { side.view.ExecuteCommand(cmd::kUndo); });
    ASSERT_EQ(List(), before);
    ASSERT_NO_FATAL_FAILURE(CheckSameAsTwin());
    Both(random, [](Side& side, std::mt19937&) { side.view.ExecuteCommand(cmd::kRedo); });
    ASSERT_EQ(List(), after);
  }

  void Key(Side& side, std::mt19937& random, ViewKey key) {
    SelectRandom(side.control, random, false);
    side.view.OnKeyDown(key);
  }

  void Act(Side& side, std::mt19937& random) {
    CLumoscopeListView& v = side.view;
    FakeListControl& c = side.control;
    const auto fields = [&v] { return std::as_const(v).Fields(); };
    const int count = c.ItemCount();
    switch (random() % 15) {
      case 0:
      case 1:
        Key(side, random, ViewKey::Delete);
        break;
      case 2:
        Key(side, random, ViewKey::Insert);
        break;
      case 3:
        Key(side, random, ViewKey::F3);
        break;
      case 4:
        Key(side, random, ViewKey::F4);
        break;
      case 5: {
        const Strings bag = RecordBag(fields());
        v.SetSortAscending(random() % 2);
        v.SetRenumberAfterSort(random() % 2);
        const int sorts[] = {cmd::kSortSatTypeName, cmd::kSortSatTypeFreqName, cmd::kSortSatTypeBouquetName,
                             cmd::kSortName};
        v.ExecuteCommand(sorts[random() % 4]);
        ASSERT_EQ(RecordBag(fields()), bag);
        break;
      }
      case 6: {
        if (count < 2) break;
        const Strings bag = RecordBag(fields());
        SelectRandom(c, random, true);
        const int from = c.selected.empty() ? 0 : *c.selected.begin();
        const int to = static_cast<int>(random() % static_cast<unsigned>(count));
        c.top = std::max(0, std::min(from, to));
        c.pageSize = std::max(from, to) - c.top + 1;
        v.OnLButtonDown(c.PointOnRow(from));
        v.OnBeginDrag();
        v.OnLButtonUp(c.PointOnRow(to));
        c.pageSize = 20;
        ASSERT_EQ(RecordBag(fields()), bag);
        break;
      }
      case 7:
        if (fields().size() < kPadOnlyBelow * RecordWidth(Section::DigitalChannel))
          v.ExecuteCommand(cmd::kPadToHundreds);
        break;
      case 8:
        v.ExecuteCommand(cmd::kRevertPadding);
        break;
      case 9:
      case 10:
        v.ExecuteCommand(cmd::kUndo);
        break;
      case 11:
        v.ExecuteCommand(random() % 2 ? cmd::kViewDigitalChannels : cmd::kViewAnalogChannels);
        break;
      case 12:
        v.ExecuteCommand(cmd::kRedo);
        break;
      case 13:
        // Now and then another display: a section, or the channels through a filter.
        if (random() % 4 == 0) {
          v.SetFilter(random() % 2 ? "a" : "");
        } else if (random() % 3 == 0) {
          const int sections[] = {cmd::kViewChannelSection, cmd::kViewPidSection, cmd::kViewAnalogSection};
          v.ExecuteCommand(sections[random() % 3]);
        }
        break;
      case 14:
        v.ExecuteCommand(cmd::kViewDigitalChannels);
        v.SetFilter("");
        break;
    }
  }

  // What the view shows, the rows selected and the place scrolled to included, is what
  // the twin shows.
  void CheckSameAsTwin() {
    ASSERT_EQ(List(), std::as_const(twinView).Fields());
    ASSERT_EQ(view.DigitalRows(), twinView.DigitalRows());
    ASSERT_EQ(view.AnalogRows(), twinView.AnalogRows());
    ASSERT_EQ(control.ItemCount(), twinControl.ItemCount());
    for (int r = 0; r < control.ItemCount(); ++r) {
      ASSERT_EQ(control.rows[static_cast<size_t>(r)].cells, twinControl.rows[static_cast<size_t>(r)].cells)
          << "row " << r;
      ASSERT_EQ(control.rows[static_cast<size_t>(r)].image, twinControl.rows[static_cast<size_t>(r)].image)
          << "row " << r;
    }
    ASSERT_EQ(control.selected, twinControl.selected);
    ASSERT_EQ(control.focused, twinControl.focused);
    ASSERT_EQ(control.top, twinControl.top);
  }

  void CheckConsistent() {
    const std::vector<std::string>& f = List();
    ASSERT_EQ(CheckWellFormed(f), "");
    const SectionLocator sections(f);
    const long digital = static_cast<long>(sections[Section::DigitalChannel].Records() +
                                           sections[Section::PidChannel].Records());
    const auto analog = static_cast<long>(sections[Section::AnalogTp].Records());
    ASSERT_EQ(view.DigitalRows().size(), static_cast<size_t>(digital * kDigitalRowWidth));
    ASSERT_EQ(view.AnalogRows().size(), static_cast<size_t>(analog * kAnalogRowWidth));
    if (view.ViewType() == 0 && !view.Filtered()) {
      ASSERT_EQ(control.ItemCount(), view.ShowDigital() ? digital : analog);
    }
    ASSERT_LE(digital, kMaxDigitalChannels);
    ASSERT_LE(analog, kMaxAnalogChannels);
  }

  RecordingReporter twinReporter;
  FakeListControl twinControl;
  FakeViewDocument twinDocument;
  CLumoscopeListView twinView{twinControl, twinReporter};
};

TEST_F(PropertyTest, RandomEditingKeepsTheListWellFormed) {
  for (unsigned seed = 1; seed <= 4; ++seed) {
    std::mt19937 random(seed);
    Load(Generate(random));
    view.ResetUndo();
    twinView.ResetUndo();
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
  CListDB twinDb(twinReporter, options, path);
  document.database = &db;
  twinDocument.database = &twinDb;
  for (unsigned seed = 1; seed <= 3; ++seed) {
    ASSERT_TRUE(view.Reload());
    ASSERT_TRUE(twinView.Reload());
    std::mt19937 random(seed);
    for (int step = 0; step < kSteps / 4; ++step) Step(random);
    ASSERT_TRUE(SaveSectionList(db, List()));
    std::vector<std::string> reopened;
    ASSERT_TRUE(LoadSectionList(db, reopened)) << "seed " << seed;
    EXPECT_EQ(RecordBag(reopened), RecordBag(List()));
  }
}

}  // namespace
}  // namespace lumoscope::test
