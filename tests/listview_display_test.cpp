#include <gtest/gtest.h>

#include "base/FieldConversions.h"
#include "listview/ViewCommands.h"
#include "tests/support/ListViewFixture.h"

namespace lumoscope::test {
namespace {

TEST_F(ListViewTest, DigitalChannelViewJoinsTransponderAndSatellite) {
  Load(Standard());
  ASSERT_EQ(control.columns.size(), static_cast<size_t>(kDigitalViewColumns));
  EXPECT_EQ(control.columns[11].title, "freqency");
  EXPECT_EQ(control.columns[5].width, 120);
  EXPECT_EQ(control.columns[1].width, 0);
  ASSERT_EQ(control.rows.size(), 6u);  // 4 channels, then 2 PID channels
  EXPECT_EQ(control.ColumnTexts(0), (Strings{"1", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(control.Cell(0, 11), "11000");
  EXPECT_EQ(control.Cell(0, 14), "Sky");
  EXPECT_EQ(control.Cell(0, 15), "Astra");
  EXPECT_EQ(control.Cell(0, 19), "0192");  // Degree as stored
  EXPECT_EQ(control.Cell(4, 3), "");       // PID channels have no service id
  EXPECT_EQ(control.Cell(4, 6), "100");
  EXPECT_EQ(control.rows[0].image, kImageTv);
  EXPECT_EQ(control.rows[5].image, kImageRadio);
}

TEST_F(ListViewTest, TransponderZeroAndMissingPartsKeepRowsAligned) {
  FieldsBuilder b;
  b.Satellite("1", "Astra");
  b.Tp("1", "1", "11000");
  b.Channel("0", "1", "TV", "NoTp").Channel("7", "1", "tv", "Lost").Channel("1", "9", "RADIO", "NoSat");
  b.Analog("9", "RADIO", "Far");
  Load(b);
  ASSERT_EQ(view.DigitalRows().size(), 3u * kDigitalRowWidth);
  ASSERT_EQ(view.AnalogRows().size(), 1u * kAnalogRowWidth);
  EXPECT_EQ(control.Cell(0, 11), "0000");
  EXPECT_EQ(control.Cell(0, 12), "0000");
  EXPECT_EQ(control.Cell(0, 13), "V");
  EXPECT_EQ(control.Cell(0, 14), "___");
  EXPECT_EQ(control.Cell(1, 11), "");             // transponder 7 does not exist
  EXPECT_EQ(control.Cell(1, 15), "Astra");        // the satellite part is still found
  EXPECT_EQ(control.rows[1].image, kImageRadio);  // "tv" is not exactly "TV"
  EXPECT_EQ(control.Cell(2, 11), "11000");
  EXPECT_EQ(control.Cell(2, 15), "");
}

TEST_F(ListViewTest, PidRowsAloneAreNumberedFromOne) {
  FieldsBuilder b;
  b.Pid("1", "1", "TV", "P1").Pid("1", "1", "TV", "P2");
  Load(b);
  EXPECT_EQ(control.ColumnTexts(0), (Strings{"1", "2"}));
}

TEST_F(ListViewTest, SectionViewsReplaceColumnsAndShowDegreesForDisplay) {
  Load(Standard());
  ASSERT_TRUE(view.ExecuteCommand(cmd::kViewSatellites));
  ASSERT_EQ(control.columns.size(), 7u);
  EXPECT_EQ(control.columns[6].title, "Degree");
  EXPECT_EQ(control.columns[1].width, 120);
  EXPECT_EQ(control.Cell(0, 6), "E019.2");
  EXPECT_EQ(control.Cell(1, 6), "W075.0");
  EXPECT_EQ(control.rows[0].image, kImageRecord);
  EXPECT_TRUE(view.IsCommandChecked(cmd::kViewSatellites));

  ASSERT_TRUE(view.ExecuteCommand(cmd::kViewSatNames));
  EXPECT_EQ(control.columns.size(), 2u);
  ASSERT_TRUE(view.ExecuteCommand(cmd::kViewAnalogSection));
  ASSERT_EQ(control.columns.size(), 18u);
  EXPECT_EQ(control.columns[3].title, "Signal Band");
  EXPECT_EQ(control.columns[4].width, 120);
  ASSERT_TRUE(view.ExecuteCommand(cmd::kViewAnalogChannels));
  ASSERT_EQ(control.columns.size(), static_cast<size_t>(kAnalogViewColumns));
  EXPECT_EQ(control.columns[18].title, "SatName");
  EXPECT_EQ(control.Cell(1, 18), "Hot");
  EXPECT_EQ(view.CommandText(cmd::kToggleDigitalAnalog), "View Digital Channel");
  EXPECT_TRUE(reporter.boxes.empty());
}

TEST_F(ListViewTest, ANameSpelledLikeAMarkerStaysARecord) {
  FieldsBuilder b = Standard();
  b.Channel("1", "1", "TV", "CHANNEL END");
  Load(b);
  ASSERT_EQ(control.rows.size(), 7u);  // 5 channels, then 2 PID channels
  EXPECT_EQ(control.Cell(4, 5), "CHANNEL END");
  EXPECT_EQ(control.Cell(5, 5), "P1");
  EXPECT_EQ(control.ColumnTexts(0), (Strings{"1", "2", "3", "4", "5", "6", "7"}));
}

TEST_F(ListViewTest, SatelliteWithAnUnreadableDegreeShowsItAsStored) {
  FieldsBuilder b;
  b.Satellite("1", "Astra", "X12").Satellite("2", "Hot", "0192");
  Load(b);
  ASSERT_TRUE(view.ExecuteCommand(cmd::kViewSatellites));
  EXPECT_EQ(control.Cell(0, 6), "X12");
  EXPECT_EQ(control.Cell(1, 6), "E019.2");
  EXPECT_EQ(reporter.boxes, Strings{kDegreeConversionMessage});
}

TEST_F(ListViewTest, MissingMarkerShowsColumnsAndNoRows) {
  Load(Standard());
  auto& f = view.Fields();
  f.erase(std::find(f.begin(), f.end(), "DIGITAL END"));
  ASSERT_TRUE(view.ExecuteCommand(cmd::kViewDigitalTps));
  EXPECT_EQ(control.columns.size(), 6u);
  EXPECT_TRUE(control.rows.empty());
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_EQ(reporter.boxes[0], "Can't find \" DIGITAL END \" ");
}

TEST_F(ListViewTest, DetailToggleRewritesWidthsButKeepsDegree) {
  Load(Standard());
  ASSERT_TRUE(view.ExecuteCommand(cmd::kToggleDetail));
  EXPECT_TRUE(view.IsCommandChecked(cmd::kToggleDetail));
  EXPECT_EQ(control.columns[1].width, 50);
  EXPECT_EQ(control.columns[5].width, 100);
  EXPECT_EQ(control.columns[19].width, 0);
  ASSERT_TRUE(view.ExecuteCommand(cmd::kToggleDetail));
  EXPECT_EQ(control.columns[4].width, 70);  // detail off differs from the initial set
  EXPECT_EQ(control.columns[1].width, 0);
  view.ExecuteCommand(cmd::kViewSatellites);
  EXPECT_FALSE(view.IsCommandEnabled(cmd::kToggleDetail));
}

TEST_F(ListViewTest, CommandRulesFollowLoadedStateAndView) {
  document.loaded = false;
  EXPECT_FALSE(view.IsCommandEnabled(cmd::kSortName));
  EXPECT_TRUE(view.IsCommandEnabled(cmd::kToggleDigitalAnalog));
  EXPECT_FALSE(view.ExecuteCommand(cmd::kDelete));
  EXPECT_FALSE(view.ExecuteCommand(12345));
  document.loaded = true;
  Load(Standard());
  EXPECT_TRUE(view.IsCommandEnabled(cmd::kNewChannel));
  EXPECT_FALSE(view.IsCommandEnabled(cmd::kPaste));
  EXPECT_FALSE(view.IsCommandEnabled(cmd::kRevertPadding));
  EXPECT_EQ(view.CommandText(cmd::kUndo), "Undo Disable");
  EXPECT_TRUE(view.IsCommandChecked(cmd::kViewDigitalChannels));
  EXPECT_FALSE(view.IsCommandChecked(cmd::kViewAnalogChannels));
  view.ExecuteCommand(cmd::kToggleAscending);
  EXPECT_FALSE(view.SortAscending());
  view.ExecuteCommand(cmd::kToggleGroupMove);
  EXPECT_FALSE(view.GroupMoveEnabled());

  int withPrompt = 0;
  for (const ViewCommand& c : ViewCommands()) withPrompt += c.prompt != nullptr;
  EXPECT_EQ(withPrompt, 15);
  EXPECT_STREQ(FindViewCommand(cmd::kSortName)->prompt, "Sort by  Channel Name");
  EXPECT_FALSE(FindViewCommand(cmd::kCut)->tooltip);
}

TEST_F(ListViewTest, FailedReloadKeepsTheListShown) {
  AppOptions options;
  CListDB db(reporter, options, "/nowhere/new.txt");
  document.database = &db;
  Load(Standard());
  control.Select({0});
  ASSERT_TRUE(view.OnKeyDown(ViewKey::Delete));
  const Strings fields = view.Fields();
  const Strings digitalRows = view.DigitalRows();
  const size_t rows = control.rows.size();
  EXPECT_FALSE(view.Reload());
  EXPECT_EQ(view.Fields(), fields);
  EXPECT_EQ(view.DigitalRows(), digitalRows);
  EXPECT_EQ(control.rows.size(), rows);
  EXPECT_EQ(view.UndoCount(), 1);
  EXPECT_TRUE(view.IsModified());
  EXPECT_EQ(db.FilePath(), "/nowhere/new.txt");
  EXPECT_TRUE(document.loaded);
  EXPECT_TRUE(document.titles.empty());
}

}  // namespace
}  // namespace lumoscope::test
