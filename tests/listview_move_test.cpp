#include <gtest/gtest.h>

#include <set>

#include "base/Reporter.h"
#include "tests/support/ListViewFixture.h"

namespace lumoscope::test {
namespace {

class MoveTest : public ListViewTest {
 protected:
  void SetUp() override {
    FieldsBuilder b;
    b.Satellite("1", "S").Tp("1", "1", "11000");
    b.Channel("1", "1", "TV", "A")
        .Channel("1", "1", "TV", "B")
        .Channel("1", "1", "TV", "C")
        .Channel("1", "1", "TV", "D");
    b.Pid("1", "1", "TV", "P1").Pid("1", "1", "TV", "P2");
    b.Analog("1", "TV", "X").Analog("1", "TV", "Y").Analog("1", "TV", "Z");
    Load(b);
  }

  void Drag(int from, int to) {
    ASSERT_TRUE(view.OnLButtonDown(control.PointOnRow(from)));
    view.OnBeginDrag();
    view.OnMouseMove();
    view.OnLButtonUp(control.PointOnRow(to));
  }
};

TEST_F(MoveTest, SingleRowLandsAboveTheDropRow) {
  control.Select({0});
  Drag(0, 2);
  EXPECT_EQ(Names(), (Strings{"B", "A", "C", "D"}));
  EXPECT_EQ(control.focused, 1);
  EXPECT_EQ(control.ColumnTexts(0), (Strings{"1", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(view.CommandText(cmd::kUndo), "Undo (1 - Move Channel)");
  EXPECT_TRUE(view.IsModified());
  EXPECT_EQ(control.pointers, (std::vector<PointerShape>{PointerShape::AppStarting, PointerShape::Arrow}));
  EXPECT_FALSE(view.Dragging());

  control.Select({3});
  Drag(3, 1);
  EXPECT_EQ(Names(), (Strings{"B", "D", "A", "C"}));
  EXPECT_EQ(control.focused, 1);
}

TEST_F(MoveTest, ReleaseOutsideEveryRowMovesNothing) {
  control.Select({0});
  Drag(0, 2);
  ASSERT_EQ(Names(), (Strings{"B", "A", "C", "D"}));
  // The earlier drop row must not be taken for this drag's.
  control.Select({3});
  ASSERT_TRUE(view.OnLButtonDown(control.PointOnRow(3)));
  view.OnBeginDrag();
  view.OnLButtonUp(ClientPoint{-50, -50});
  EXPECT_EQ(Names(), (Strings{"B", "A", "C", "D"}));
}

TEST_F(MoveTest, ContiguousBlockKeepsItsOrderAndCanBeUndone) {
  control.Select({1, 2});
  Drag(1, 0);
  EXPECT_EQ(Names(), (Strings{"B", "C", "A", "D"}));
  EXPECT_EQ(view.CommandText(cmd::kUndo), "Undo (1 - Group Move)");
  view.Undo();
  EXPECT_EQ(Names(), (Strings{"A", "B", "C", "D"}));

  control.Select({0, 1});
  Drag(0, 3);
  EXPECT_EQ(Names(), (Strings{"C", "A", "B", "D"}));
  EXPECT_EQ(control.focused, 2);
}

TEST_F(MoveTest, NothingMovesForGapsTheStartRowOrWhenDisabled) {
  control.Select({0, 2});
  Drag(0, 3);
  control.Select({1});
  Drag(1, 1);
  view.ExecuteCommand(cmd::kToggleGroupMove);
  control.Select({0});
  Drag(0, 3);
  EXPECT_FALSE(view.Dragging());
  EXPECT_EQ(Names(), (Strings{"A", "B", "C", "D"}));
  EXPECT_FALSE(view.IsModified());
}

TEST_F(MoveTest, ChannelsAndPidChannelsNeverCross) {
  control.Select({1});
  Drag(1, 5);
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_EQ(reporter.boxes[0],
            "Drag Only possible \n\nWhen drag region and drop region are same section.\r\n(channel/pid "
            "channel)!!\r\n");
  EXPECT_EQ(Names(), (Strings{"A", "B", "C", "D"}));
  control.Select({5});
  Drag(5, 4);
  EXPECT_EQ(Names("CHANNEL_PID"), (Strings{"P2", "P1"}));
}

TEST_F(MoveTest, AnalogRowsMoveWithoutCrossingMessage) {
  view.ExecuteCommand(cmd::kViewAnalogChannels);
  control.Select({2});
  Drag(2, 0);
  EXPECT_EQ(Names("ANALOG"), (Strings{"Z", "X", "Y"}));
  EXPECT_TRUE(reporter.boxes.empty());
}

TEST_F(MoveTest, DragsOnlyStartInTheChannelViewAndNeedALoadedList) {
  view.ExecuteCommand(cmd::kViewSatellites);
  view.OnBeginDrag();
  EXPECT_FALSE(view.Dragging());
  document.loaded = false;
  EXPECT_FALSE(view.OnLButtonDown(control.PointOnRow(0)));  // swallowed
}

// Ctrl+Up and Ctrl+Down: one undo step each; the moved rows end selected, and undoing or
// redoing the step selects the rows it gives back.
TEST_F(MoveTest, KeyboardMovesOnePlaceAndUndoSelectsTheRowsAgain) {
  control.Select({1});
  ASSERT_TRUE(view.MoveSelectedBy(+1));
  EXPECT_EQ(Names(), (Strings{"A", "C", "B", "D"}));
  EXPECT_EQ(control.selected, (std::set<int>{2}));
  EXPECT_EQ(control.ColumnTexts(0), (Strings{"1", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(view.CommandText(cmd::kUndo), std::string("Undo (1 - ") + kMoveUndoLabel + ")");
  view.Undo();
  EXPECT_EQ(Names(), (Strings{"A", "B", "C", "D"}));
  EXPECT_EQ(control.selected, (std::set<int>{1}));
  view.Redo();
  EXPECT_EQ(control.selected, (std::set<int>{2}));

  control.Select({1, 2});
  ASSERT_TRUE(view.MoveSelectedBy(-1));
  EXPECT_EQ(Names(), (Strings{"C", "B", "A", "D"}));
  EXPECT_EQ(control.selected, (std::set<int>{0, 1}));
  EXPECT_EQ(control.focused, 0);
  EXPECT_TRUE(reporter.notes.empty());
}

// Keyboard moves keep the rules of dragging, and say why when they refuse.
TEST_F(MoveTest, KeyboardMovesStayWithinTheirKindAndNeedOneBlockAndNoFilter) {
  struct Case {
    std::set<int> selected;
    int places;
    const char* note;  // nullptr: refused without a word (an end of the list)
  };
  const Case cases[] = {
      {{0}, -1, nullptr},             // the top
      {{5}, +1, nullptr},             // the bottom
      {{3}, +1, kMoveWithinSection},  // the last service-ID channel
      {{4}, -1, kMoveWithinSection},  // the first PID channel
      {{3, 4}, -1, kMoveWithinSection},
      {{0, 2}, +1, kMoveOneBlock},
  };
  for (const Case& c : cases) {
    control.selected = c.selected;
    reporter.notes.clear();
    EXPECT_FALSE(view.MoveSelectedBy(c.places));
    EXPECT_EQ(reporter.notes, c.note ? Strings{c.note} : Strings{}) << *c.selected.begin();
  }
  view.SetFilter("b");
  control.Select({0});
  reporter.notes.clear();
  EXPECT_FALSE(view.CanMoveRows());
  EXPECT_FALSE(view.MoveSelectedBy(+1));
  EXPECT_EQ(reporter.notes, Strings{kNoMoveWhileFiltered});
  EXPECT_EQ(Names(), (Strings{"A", "B", "C", "D"}));
  EXPECT_FALSE(view.IsModified());
}

// "Move to Number...": above the row that has the number now; the number after the largest
// is the end of the list, and the first PID channel's number the end of the others.
TEST_F(MoveTest, MoveToNumberLandsAboveThatNumber) {
  control.Select({3});
  ASSERT_TRUE(view.MoveSelectedToNumber(1));
  EXPECT_EQ(Names(), (Strings{"D", "A", "B", "C"}));
  EXPECT_EQ(control.selected, (std::set<int>{0}));
  ASSERT_TRUE(view.MoveSelectedToNumber(5));
  EXPECT_EQ(Names(), (Strings{"A", "B", "C", "D"}));
  EXPECT_EQ(control.selected, (std::set<int>{3}));
  control.Select({4});
  ASSERT_TRUE(view.MoveSelectedToNumber(view.LargestNumber() + 1));
  EXPECT_EQ(Names("CHANNEL_PID"), (Strings{"P2", "P1"}));

  control.Select({4});
  EXPECT_FALSE(view.MoveSelectedToNumber(2));
  EXPECT_FALSE(view.MoveSelectedToNumber(99));
  EXPECT_EQ(reporter.boxes, (Strings{kMoveWithinSection, Format(kNoSuchNumber, 99L)}));

  view.ExecuteCommand(cmd::kViewAnalogChannels);
  control.Select({2});
  ASSERT_TRUE(view.MoveSelectedToNumber(1));
  EXPECT_EQ(Names("ANALOG"), (Strings{"Z", "X", "Y"}));
  EXPECT_EQ(view.UndoCount(), 4);
}

}  // namespace
}  // namespace lumoscope::test
