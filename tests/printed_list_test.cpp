// The printed channel list: grouped by satellite, numbered as the receiver numbers.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "listview/ChannelColumns.h"
#include "listview/ChannelExport.h"
#include "listview/PrintedList.h"
#include "tests/support/FakeListControl.h"
#include "tests/support/FakeViewDocument.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/WorkingListBuilder.h"

namespace lumoscope::test {
namespace {

// Satellites shown and one marked blank; TV, radio, null, PID and analog channels.
std::vector<std::string> MixedList() {
  WorkingListBuilder b;
  b.SatNames(32)
      .Satellite("0", "Astra", "10600", "09750", "19", "0192")
      .Satellite("1", "Caf\xE9", "10600", "09750", "13", "0")
      .Transponder("1", "0", "11494", "22000", "H")
      .Transponder("2", "1", "10971", "29700", "V")
      .Transponder("3", "2", "12000", "27500", "H");
  b.satellites.insert(b.satellites.end(), {"2", "Gone", "Y", "10600", "09750", "0", "0"});
  // TV numbers in list order: A 1, the null channel 2, B 3, C 4, P 5, the analog one 6;
  // the channel on the blank satellite takes none. Radio counts apart.
  b.Channel("1", "1", "0", "A");
  b.channels.insert(b.channels.end(), {"2", "1", "0", "1B", "RADIO", "R", "0", "N"});
  b.channels.insert(b.channels.end(), {"3", "1", "0", "1C", "TV", "_", "0", "Y"});
  b.Channel("4", "1", "0", "B").Channel("5", "3", "2", "X").Channel("6", "2", "1", "C");
  b.PidChannel("7", "1", "0").Analog("1", "1", "ANA");
  return b.Build();
}

TEST(PrintedList, GroupsBySatelliteWithTheReceiversNumbers) {
  const std::vector<PrintedSatellite> groups = BuildPrintedList(MixedList(), NameCodec());
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0].title, "Astra (E019.2)");
  EXPECT_EQ(groups[1].title, "Caf\u00e9");

  auto line = [](const PrintedChannel& c) { return std::to_string(c.number) + " " + c.name + " " + c.type; };
  std::vector<std::string> first, second;
  for (const PrintedChannel& c : groups[0].channels) first.push_back(line(c));
  for (const PrintedChannel& c : groups[1].channels) second.push_back(line(c));
  EXPECT_EQ(first, (std::vector<std::string>{"1 A TV", "3 B TV", "5 PID TV", "1 R Radio"}));
  EXPECT_EQ(second, (std::vector<std::string>{"4 C TV", "6 ANA TV"}));
  EXPECT_EQ(groups[0].channels[0].tuning, "11494 MHz H, 22000 kS/s");
  EXPECT_EQ(groups[1].channels[1].tuning, "3900 MHz H, analog");
}

// The screen, the paper and the export tell the customer the same numbers.
TEST(PrintedList, ChannelViewsAndExportShowThePrintedNumbers) {
  RecordingReporter reporter;
  FakeListControl control;
  FakeViewDocument document;
  CLumoscopeListView view(control, reporter);
  view.SetDocument(&document);
  view.Fields() = MixedList();
  view.RefreshWithRenumber();
  const auto exported =
      nlohmann::json::parse(ExportChannelList(view.Fields(), ExportFormat::Json, NameCodec()));

  int checked = 0;
  for (const bool digital : {true, false}) {
    view.ExecuteCommand(digital ? cmd::kViewDigitalChannels : cmd::kViewAnalogChannels);
    const int nameColumn = digital ? digitalcol::kName : analogcol::kName;
    const int numberColumn = digital ? kDigitalProgramColumn : kAnalogProgramColumn;
    ASSERT_EQ(control.columns.at(static_cast<size_t>(numberColumn)).title, kProgramNumberTitle);
    const auto& objects = exported[digital ? "digital" : "analog"];
    ASSERT_EQ(objects.size(), control.rows.size());
    for (const PrintedSatellite& group : BuildPrintedList(view.Fields(), NameCodec()))
      for (const PrintedChannel& channel : group.channels)
        for (size_t r = 0; r < control.rows.size(); ++r) {
          if (control.Cell(static_cast<int>(r), nameColumn) != channel.name) continue;
          EXPECT_EQ(control.Cell(static_cast<int>(r), numberColumn), std::to_string(channel.number))
              << channel.name;
          EXPECT_EQ(objects[r]["program_number"], std::to_string(channel.number)) << channel.name;
          ++checked;
        }
  }
  EXPECT_EQ(checked, 6);
  // The channel on the blank satellite has no number anywhere.
  view.ExecuteCommand(cmd::kViewDigitalChannels);
  EXPECT_EQ(control.Cell(4, digitalcol::kName), "X");
  EXPECT_EQ(control.Cell(4, kDigitalProgramColumn), "");
}

}  // namespace
}  // namespace lumoscope::test
