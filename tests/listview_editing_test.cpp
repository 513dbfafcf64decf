#include <gtest/gtest.h>

#include <set>

#include "base/ListLimits.h"
#include "editing/ChannelForms.h"
#include "tests/support/ListViewFixture.h"

namespace lumoscope::test {
namespace {

FieldsBuilder Lettered(int count) {
  FieldsBuilder b;
  b.Satellite("1", "Astra").Tp("1", "1", "11000");
  for (int i = 0; i < count; ++i) b.Channel("1", "1", "TV", std::string(1, static_cast<char>('A' + i)));
  b.Pid("1", "1", "TV", "P1").Pid("1", "1", "RADIO", "P2");
  b.Analog("1", "TV", "X").Analog("1", "RADIO", "Y");
  return b;
}

// Dialogs that are never confirmed: the new-channel logic then changes nothing.
class CancelledDialogs : public IChannelDialogs {
 public:
  bool RunDigital(DigitalChannelForm&, const ChannelDialogSetup&) override { return false; }
  bool RunAnalog(AnalogChannelForm&, const ChannelDialogSetup&) override { return false; }
};

TEST_F(ListViewTest, DeleteRemovesExactlyTheSelectedRows) {
  Load(Lettered(8));
  control.Select({2, 3, 5});
  EXPECT_TRUE(view.OnKeyDown(ViewKey::Delete));
  EXPECT_EQ(Names(), (Strings{"A", "B", "E", "G", "H"}));
  EXPECT_EQ(control.ColumnTexts(0), (Strings{"1", "2", "3", "4", "5", "6", "7"}));  // renumbered
  EXPECT_EQ(control.focused, 2);
  EXPECT_EQ(view.CommandText(cmd::kUndo), "Undo (1 - Delete Channel)");
}

TEST_F(ListViewTest, InsertPutsAllNullChannelsAfterTheFirstSelectedRow) {
  Load(Lettered(8));
  control.Select({3, 7});
  EXPECT_TRUE(view.OnKeyDown(ViewKey::Insert));
  EXPECT_EQ(Names(), (Strings{"A", "B", "C", "D", "_", "_", "E", "F", "G", "H"}));
  const auto& f = view.Fields();
  const long null = std::find(f.begin(), f.end(), "_") - f.begin() - 5;
  EXPECT_EQ(std::vector<std::string>(f.begin() + null, f.begin() + null + 8),
            (Strings{"5", "1", "1", "0000", "TV", "_", "1", "Y"}));
}

TEST_F(ListViewTest, NullPidAndAnalogRecordsCopyTheirSource) {
  Load(Lettered(2));
  control.Select({3});  // the second PID row
  view.OnKeyDown(ViewKey::Insert);
  const auto& f = view.Fields();
  const long pid = std::find(f.begin(), f.end(), "CHANNEL_PID START") - f.begin() + 1 +
                   2 * static_cast<long>(RecordWidth(Section::PidChannel));
  EXPECT_EQ(std::vector<std::string>(f.begin() + pid,
                                     f.begin() + pid + static_cast<long>(RecordWidth(Section::PidChannel))),
            (Strings{"5", "1", "1", "RADIO", "_", "   0", "   0", "   0", "1", "Y"}));
  view.ExecuteCommand(cmd::kViewAnalogChannels);
  control.Select({1});
  view.OnKeyDown(ViewKey::Insert);
  EXPECT_EQ(Names("ANALOG"), (Strings{"X", "Y", "_"}));
  EXPECT_EQ(control.Cell(2, 16), "RADIO");
  EXPECT_EQ(control.Cell(2, 0), "3");
}

TEST_F(ListViewTest, CutMixedRowsPastesEachKindAtItsOwnRows) {
  Load(Lettered(4));
  control.Select({1, 4});  // channel B and PID P1
  view.OnKeyDown(ViewKey::F3);
  EXPECT_EQ(Names(), (Strings{"A", "C", "D"}));
  EXPECT_EQ(view.CutCount(Section::DigitalChannel), 1);
  EXPECT_EQ(view.CutCount(Section::PidChannel), 1);
  EXPECT_TRUE(view.IsCommandEnabled(cmd::kPaste));

  control.Select({0});
  EXPECT_TRUE(view.OnKeyDown(ViewKey::F4));
  EXPECT_EQ(Names(), (Strings{"B", "A", "C", "D"}));
  EXPECT_EQ(Names("CHANNEL_PID"), (Strings{"P2"}));
  EXPECT_EQ(view.CutCount(Section::PidChannel), 1);  // waits for a paste at a PID row

  control.Select({4});
  EXPECT_TRUE(view.OnKeyDown(ViewKey::F4));
  EXPECT_EQ(Names("CHANNEL_PID"), (Strings{"P1", "P2"}));
  EXPECT_FALSE(view.IsCommandEnabled(cmd::kPaste));
  EXPECT_EQ(control.selected, (std::set<int>{4}));  // the pasted row, in view
  EXPECT_EQ(control.scrolledTo.back(), 4);
}

TEST_F(ListViewTest, FailedPasteLeavesItsUndoStepAndPassesTheKey) {
  Load(Lettered(4));
  control.Select({0});
  view.OnKeyDown(ViewKey::F3);  // cut A
  control.Select({1});
  view.OnKeyDown(ViewKey::F3);  // cut C: the first cut is lost
  control.Select({3});          // a PID row: nothing of that kind is cut
  EXPECT_FALSE(view.OnKeyDown(ViewKey::F4));
  EXPECT_EQ(view.CommandText(cmd::kUndo), "Undo (3 - Paste Channel)");
  control.Select({0});
  view.OnKeyDown(ViewKey::F4);
  EXPECT_EQ(Names(), (Strings{"C", "B", "D"}));
}

TEST_F(ListViewTest, KeysDoNothingSpecialOutsideTheChannelViewOrWithoutSelection) {
  Load(Lettered(4));
  EXPECT_FALSE(view.OnKeyDown(ViewKey::Delete));  // nothing selected
  EXPECT_FALSE(view.OnKeyDown(ViewKey::F2));      // no dialogs wired
  view.ExecuteCommand(cmd::kViewChannelSection);
  control.Select({0});
  EXPECT_FALSE(view.OnKeyDown(ViewKey::Delete));
  EXPECT_EQ(Names().size(), 4u);
  EXPECT_FALSE(view.UndoAvailable());
}

TEST_F(ListViewTest, NewChannelKeyRunsWithoutSelectionAndRefreshes) {
  CancelledDialogs dialogs;
  view.SetChannelDialogs(&dialogs);
  Load(Lettered(3));
  auto& f = view.Fields();
  *(std::find(f.begin(), f.end(), "CHANNEL START") + 1) = "42";
  EXPECT_TRUE(view.ExecuteCommand(cmd::kNewChannel));  // posts F2; nothing is selected
  EXPECT_EQ(control.Cell(0, 0), "1");                  // the common refresh renumbered
  view.ExecuteCommand(cmd::kViewSatellites);
  EXPECT_FALSE(view.OnKeyDown(ViewKey::F2));
}

TEST_F(ListViewTest, SelectedRowsScrolledOutOfViewCountToo) {
  Load(Lettered(20));
  control.pageSize = 5;
  control.Select({1, 17});  // row 17 lies below the visible page
  view.OnKeyDown(ViewKey::Delete);
  const Strings names = Names();
  EXPECT_EQ(names.size(), 18u);
  EXPECT_EQ(std::count(names.begin(), names.end(), "R"), 0);
  EXPECT_EQ(control.scrolledTo.back(), 4);  // the last visible row before the change, minus one
}

TEST_F(ListViewTest, InsertOrPasteBeyondTheReceiversLimitsIsRefused) {
  FieldsBuilder b;
  b.Satellite("1", "Astra").Tp("1", "1", "11000");
  for (int i = 0; i < kMaxDigitalChannels - 1; ++i) b.Channel("1", "1", "TV", "N");
  b.Analog("1", "TV", "X");
  Load(b);
  const auto before = view.Fields();
  control.Select({0, 1});
  EXPECT_TRUE(view.OnKeyDown(ViewKey::Insert));
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_EQ(reporter.boxes[0], kListFullMessage);
  EXPECT_EQ(view.Fields(), before);
  EXPECT_FALSE(view.UndoAvailable());
  EXPECT_FALSE(view.IsModified());

  control.Select({0});
  EXPECT_TRUE(view.OnKeyDown(ViewKey::Insert));  // one more still fits
  EXPECT_EQ(Names().size(), static_cast<size_t>(kMaxDigitalChannels));

  CancelledDialogs dialogs;
  view.SetChannelDialogs(&dialogs);
  reporter.Clear();
  EXPECT_TRUE(view.OnKeyDown(ViewKey::F2));
  EXPECT_EQ(reporter.boxes, (Strings{kListFullMessage}));
  EXPECT_EQ(view.UndoCount(), 1);
}

TEST_F(ListViewTest, UndoKeepsFiveStepsAndRestoresOldNumbers) {
  Load(Lettered(10));
  for (int i = 0; i < 6; ++i) {
    control.Select({0});
    view.OnKeyDown(ViewKey::Delete);
  }
  EXPECT_EQ(view.CommandText(cmd::kUndo), "Undo (5 - Delete Channel)");
  for (int i = 0; i < 5; ++i) view.ExecuteCommand(cmd::kUndo);
  EXPECT_EQ(view.CommandText(cmd::kUndo), "Undo Disable");
  EXPECT_FALSE(view.IsCommandEnabled(cmd::kUndo));
  EXPECT_EQ(Names().front(), "B");  // the first deletion is beyond the five steps
  view.Undo();                      // the sixth does nothing
  EXPECT_EQ(Names().front(), "B");
  EXPECT_EQ(control.Cell(0, 0), "1");

  // A step keeps the numbers the list had when it was recorded.
  auto& f = view.Fields();
  *(std::find(f.begin(), f.end(), "CHANNEL START") + 1) = "77";
  control.Select({3});
  view.OnKeyDown(ViewKey::Delete);
  view.Undo();
  EXPECT_EQ(control.Cell(0, 0), "77");
}

TEST_F(ListViewTest, DropUndoLeavesOlderStepsAsTheyWere) {
  Load(Lettered(4));
  control.Select({0});
  view.OnKeyDown(ViewKey::Delete);
  view.PushUndo("New Dig Channel");
  view.DropUndo();
  EXPECT_EQ(view.CommandText(cmd::kUndo), "Undo (1 - Delete Channel)");
  EXPECT_TRUE(view.IsModified());
  view.Undo();
  view.DropUndo();  // nothing left: harmless
  EXPECT_FALSE(view.IsModified());
  EXPECT_EQ(Names().size(), 4u);
}

TEST_F(ListViewTest, ModifiedStateIsKeptApartFromUndo) {
  Load(Lettered(4));
  control.Select({0});
  view.OnKeyDown(ViewKey::Delete);
  view.Undo();
  EXPECT_FALSE(view.IsModified());  // back to the loaded list
  reporter.Clear();
  view.SaveOnClose();
  EXPECT_TRUE(reporter.questions.empty());

  g_sortMode = 4;
  view.SortChannels();
  EXPECT_TRUE(view.IsModified());
  EXPECT_EQ(view.CommandText(cmd::kUndo), "Undo (1 - Sort Channel)");

  control.Select({1});
  view.OnKeyDown(ViewKey::Delete);
  view.NotifySaved();
  EXPECT_FALSE(view.IsModified());
  view.Undo();  // back to a list that differs from the stored one
  EXPECT_TRUE(view.IsModified());

  view.SaveOnClose();
  ASSERT_EQ(reporter.questions.size(), 1u);
  EXPECT_EQ(reporter.questions[0].text, "Saveing  Modified Data!!!");
  EXPECT_EQ(reporter.questions[0].caption, "Saving");
  EXPECT_TRUE(reporter.boxes.empty());  // answered No
  reporter.answers.push_back(Answer::Yes);
  view.SaveOnClose();  // no database to save into
  EXPECT_EQ(reporter.boxes, (Strings{"ERROR!!! Saving not Complete"}));

  view.ResetUndo();
  EXPECT_FALSE(view.IsModified());
}

}  // namespace
}  // namespace lumoscope::test
