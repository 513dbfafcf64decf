// The printed channel list: grouped by satellite, numbered as the receiver numbers.
#include <gtest/gtest.h>

#include "listview/PrintedList.h"
#include "tests/support/WorkingListBuilder.h"

namespace lumoscope::test {
namespace {

TEST(PrintedList, GroupsBySatelliteWithTheReceiversNumbers) {
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

  const std::vector<PrintedSatellite> groups = BuildPrintedList(b.Build(), NameCodec());
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

}  // namespace
}  // namespace lumoscope::test
