#include <gtest/gtest.h>

#include <set>

#include "base/ListLimits.h"
#include "tests/support/ListViewFixture.h"

namespace lumoscope::test {
namespace {

class PaddingTest : public ListViewTest {
 protected:
  // Field `k` of every record of a section.
  Strings Column(Section s, int k) {
    const SectionSpan span = SectionLocator(view.Fields())[s];
    Strings out;
    for (size_t r = 0; r < span.Records(); ++r) out.push_back(view.Fields()[span.At(r, k)]);
    return out;
  }
};

TEST_F(PaddingTest, GroupsEndAtTheNextHundred) {
  FieldsBuilder b;
  b.Satellite("1", "S").Tp("5", "1", "11000").Tp("6", "1", "12000");
  b.Channel("6", "1", "RADIO", "r1").Channel("5", "1", "TV", "t1").Channel("5", "1", "TV", "t2");
  b.Channel("6", "1", "RADIO", "r2").Channel("5", "1", "TV", "t3");
  b.Pid("5", "1", "TV", "p");
  Load(b);
  ASSERT_TRUE(view.ExecuteCommand(cmd::kPadToHundreds));
  const Strings names = Names();
  ASSERT_EQ(names.size(), 200u);
  EXPECT_EQ(names[0], "t1");
  EXPECT_EQ(names[3], "_");
  EXPECT_EQ(names[100], "r1");
  EXPECT_EQ(names[102], "_");
  const Strings numbers = Column(Section::DigitalChannel, 0);
  EXPECT_EQ(numbers[99], "100");
  EXPECT_EQ(numbers[100], "101");
  EXPECT_EQ(Column(Section::DigitalChannel, 1)[150], "5");  // the satellite's first channel's transponder
  EXPECT_EQ(Column(Section::DigitalChannel, 4)[150], "RADIO");
  EXPECT_EQ(Names("CHANNEL_PID"), (Strings{"p"}));
  EXPECT_EQ(Column(Section::PidChannel, 0), (Strings{"201"}));
  EXPECT_TRUE(view.IsModified());
  EXPECT_EQ(view.CommandText(cmd::kUndo), "Undo (1 - Pad Channel)");
  EXPECT_TRUE(view.IsCommandEnabled(cmd::kRevertPadding));
  EXPECT_EQ(g_sortMode, 0);  // restored
}

TEST_F(PaddingTest, AlwaysRenumbersSoNoNumberRepeats) {
  FieldsBuilder b;
  b.Satellite("1", "S").Satellite("2", "T").Tp("1", "1", "11000");
  b.Channel("1", "2", "TV", "b").Channel("1", "1", "TV", "a");
  b.Analog("1", "TV", "x").Analog("2", "RADIO", "y");
  Load(b);
  view.SetRenumberAfterSort(false);
  view.SetSortAscending(false);
  ASSERT_TRUE(view.PadToHundreds());
  const Strings numbers = Column(Section::DigitalChannel, 0);
  ASSERT_EQ(numbers.size(), 200u);
  EXPECT_EQ(std::set<std::string>(numbers.begin(), numbers.end()).size(), 200u);
  EXPECT_EQ(numbers.back(), "200");
  EXPECT_EQ(Names()[0], "_");  // descending names put the null channels first
  EXPECT_EQ(Names()[99], "a");
  EXPECT_FALSE(view.RenumberAfterSort());
  const Strings analog = Column(Section::AnalogTp, 16);
  ASSERT_EQ(analog.size(), 200u);
  EXPECT_EQ(analog[150], "RADIO");
  EXPECT_EQ(Column(Section::AnalogTp, 0)[199], "200");
}

TEST_F(PaddingTest, FullGroupsGetAnotherHundredAndRevertUndoesTheLastPaddingOnly) {
  FieldsBuilder b;
  b.Satellite("1", "S").Tp("1", "1", "11000").Channel("1", "1", "TV", "a");
  Load(b);
  view.PadToHundreds();
  const auto once = view.Fields();
  view.PadToHundreds();
  EXPECT_EQ(Names().size(), 200u);
  view.ExecuteCommand(cmd::kRevertPadding);
  EXPECT_EQ(view.Fields(), once);
  EXPECT_FALSE(view.IsCommandEnabled(cmd::kRevertPadding));

  view.PadToHundreds();
  view.NotifyChangesStored();
  EXPECT_FALSE(view.IsCommandEnabled(cmd::kRevertPadding));
}

TEST_F(PaddingTest, RefusedWhenTheListWouldBeTooLong) {
  FieldsBuilder b;
  b.Satellite("1", "S").Satellite("2", "T").Tp("1", "1", "11000");
  for (int i = 0; i < 9901; ++i) b.Channel("1", "1", "TV", "n");
  b.Channel("1", "2", "TV", "m");  // its group needs 99 more: 10001 in all
  Load(b);
  const auto before = view.Fields();
  reporter.Clear();
  view.ResetUndo();
  EXPECT_FALSE(view.PadToHundreds());
  EXPECT_EQ(reporter.boxes, (Strings{kListFullMessage}));
  EXPECT_EQ(view.Fields(), before);
  EXPECT_FALSE(view.IsModified());
  EXPECT_FALSE(view.PadUndoAvailable());
}

}  // namespace
}  // namespace lumoscope::test
