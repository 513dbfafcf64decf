// Comparing two lists: a list against itself, and against a copy with one change of
// every kind.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <tuple>

#include "listview/ListDiff.h"
#include "tests/support/UpkeepLists.h"

namespace lumoscope::test {
namespace {

TEST(ListDiffTest, AListEqualsItself) {
  TempDir dir;
  const std::vector<std::string> list = LoadContent(UpkeepList(8), dir, "a.txt");
  const ListDifferences d = CompareLists(list, list, NameCodec());
  EXPECT_TRUE(d.Equal());
  EXPECT_TRUE(nlohmann::json::parse(DifferencesJson(d, "a.txt", "a.txt"))["equal"].get<bool>());
}

TEST(ListDiffTest, EachKindOfChangeIsReportedOncePerChannel) {
  const listgen::ListContent a = UpkeepList(8);
  listgen::ListContent b = a;
  b.channels[0][5] = "Ch1 HD";              // renamed
  std::swap(b.channels[2], b.channels[3]);  // two moved
  Record tp = b.digitalTps.front();         // retuned: to another transponder
  tp[0] = "4001";
  tp[1] = b.channels[5][2];
  tp[2] = "11111";
  b.digitalTps.push_back(tp);
  b.channels[5][1] = "4001";
  b.analogTps[2][11] = "7.02";    // retuned: another audio carrier
  b.channels.back()[3] = "F00D";  // the last one removed, a new one added
  b.channels.back()[5] = "New";
  TempDir dir;
  const ListDifferences d =
      CompareLists(LoadContent(a, dir, "a.txt"), LoadContent(b, dir, "b.txt"), NameCodec());

  const std::map<ChangeKind, size_t> expected{{ChangeKind::Added, 1},
                                              {ChangeKind::Removed, 1},
                                              {ChangeKind::Renamed, 1},
                                              {ChangeKind::Moved, 2},
                                              {ChangeKind::Retuned, 2}};
  const nlohmann::json json = nlohmann::json::parse(DifferencesJson(d, "a.txt", "b.txt"));
  EXPECT_FALSE(d.Equal());
  EXPECT_FALSE(json["equal"].get<bool>());
  for (const auto& [kind, count] : expected) {
    EXPECT_EQ(d.Count(kind), count) << ChangeName(kind);
    EXPECT_EQ(json["summary"][ChangeName(kind)].get<size_t>(), count) << ChangeName(kind);
  }
  std::set<std::tuple<ChangeKind, bool, long>> seen;
  for (const ChannelChange& c : d.changes) {
    const ChannelEntry& subject = c.kind == ChangeKind::Added ? c.after : c.before;
    EXPECT_TRUE(seen.insert({c.kind, subject.Digital(), subject.number}).second) << ChangeName(c.kind);
  }
}

}  // namespace
}  // namespace lumoscope::test
