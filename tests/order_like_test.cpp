// Ordering a list like a reference: another list, or a file of names.
#include <gtest/gtest.h>

#include <algorithm>

#include "database/ListDB.h"
#include "listview/ChannelIdentity.h"
#include "listview/OrderLike.h"
#include "tests/support/FieldsBuilder.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/UpkeepLists.h"
#include "tests/support/WorkingListBuilder.h"

namespace lumoscope::test {
namespace {

using Strings = std::vector<std::string>;

constexpr size_t kChannelName = 5;
constexpr size_t kOtherName = 4;

Strings NamesIn(const std::vector<Record>& records, size_t nameField) {
  Strings names;
  for (const Record& r : records) names.push_back(r[nameField]);
  return names;
}

// The list, and a reference that has its channels in reverse order, lacks two digital
// channels and one analog channel, and has two digital channels the list does not.
struct Scenario {
  listgen::ListContent list = UpkeepList(11);
  listgen::ListContent reference;
  Strings expectedChannels, expectedPids, expectedAnalog;  // the list's sections afterwards

  Scenario() {
    // Null channels at slots 3 and 4 keep their places.
    list.channels.insert(list.channels.begin() + 3,
                         {NullChannelLike(list.channels[2], 9001), NullChannelLike(list.channels[2], 9002)});
    reference = list;
    std::erase_if(reference.channels, [](const Record& r) { return r[kChannelName] == "_"; });
    const Record missing1 = reference.channels[0], missing2 = reference.channels[5];
    const Record missingAnalog = reference.analogTps[1];
    std::erase(reference.channels, missing1);
    std::erase(reference.channels, missing2);
    std::erase(reference.analogTps, missingAnalog);
    std::reverse(reference.channels.begin(), reference.channels.end());
    std::reverse(reference.pidChannels.begin(), reference.pidChannels.end());
    std::reverse(reference.analogTps.begin(), reference.analogTps.end());
    for (int extra = 1; extra <= 2; ++extra) {
      Record r = reference.channels.front();
      r[0] = std::to_string(9100 + extra);
      r[3] = "F00" + std::to_string(extra);
      r[kChannelName] = "Extra" + std::to_string(extra);
      reference.channels.insert(reference.channels.begin() + extra, r);
    }

    Strings named = NamesIn(reference.channels, kChannelName);
    std::erase_if(named, [](const std::string& n) { return n.starts_with("Extra"); });
    named.push_back(missing1[kChannelName]);
    named.push_back(missing2[kChannelName]);
    named.insert(named.begin() + 3, {"_", "_"});
    expectedChannels = named;
    expectedPids = NamesIn(reference.pidChannels, kOtherName);
    expectedAnalog = NamesIn(reference.analogTps, kOtherName);
    expectedAnalog.push_back(missingAnalog[kOtherName]);
  }

  // The reference as a file of names (digital, then analog), with blanks and empty lines
  // a person leaves.
  std::string NamesFile() const {
    std::string text;
    for (const Strings& names :
         {NamesIn(reference.channels, kChannelName), NamesIn(reference.pidChannels, kOtherName),
          NamesIn(reference.analogTps, kOtherName)})
      for (const std::string& n : names) text += "  " + n + " \r\n\r\n";
    return text;
  }
};

class OrderLikeTest : public ::testing::TestWithParam<bool> {};

TEST_P(OrderLikeTest, ReferenceOrderFirstThenTheRestAroundNullChannels) {
  const bool namesFile = GetParam();
  TempDir dir;
  Scenario s;
  std::vector<std::string> fields = LoadContent(s.list, dir, "list.txt");
  const std::string refPath =
      namesFile ? dir.Write("names.lst", s.NamesFile()) : dir.Write("ref.txt", listgen::Render(s.reference));
  RecordingReporter reporter;
  const std::optional<OrderReference> reference = ReadOrderReference(refPath, AppOptions{}, reporter);
  ASSERT_TRUE(reference.has_value());
  EXPECT_EQ(reference->isList, !namesFile);

  const OrderLikeReport report = OrderLike(fields, *reference, NameCodec());
  EXPECT_EQ(NamesOf(fields, "CHANNEL"), s.expectedChannels);
  EXPECT_EQ(NamesOf(fields, "CHANNEL_PID"), s.expectedPids);
  EXPECT_EQ(NamesOf(fields, "ANALOG"), s.expectedAnalog);
  EXPECT_TRUE(report.changed);
  EXPECT_EQ(report.matched,
            s.expectedChannels.size() - 4 + s.expectedPids.size() + s.expectedAnalog.size() - 1);
  EXPECT_EQ(report.notInReference.size(), 3u);
  EXPECT_EQ(report.notFound.size(), 2u);
  EXPECT_EQ(report.nullChannels, 2u);
  EXPECT_EQ(CheckWellFormed(fields), "");
  EXPECT_TRUE(reporter.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Reference, OrderLikeTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& param) {
                           return param.param ? "Names" : "List";
                         });

// Names match with blanks, case and accents ignored, in every script the name encodings
// offer.
TEST(ChannelNameKeyTest, BlanksCaseAndAccentsIgnoredInEveryScript) {
  const std::pair<const char*, const char*> same[] = {
      {"Das Erste HD", "das erste hd"},
      {"\xD0\x9F\xD0\x95\xD0\xA0\xD0\x92\xD0\xAB\xD0\x99",
       "\xD0\xBF\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9"},
      {"\xC3\x84RZTE TV", "arzte\tTV"},  // Ä
      {"\xCE\x95\xCE\xA1\xCE\xA4", "\xCE\xB5\xCF\x81\xCF\x84"},
      {"T\xC3\xA9l\xC3\xA9 S\xC3\xBC"
       "d",
       "tele sud"},  // é, ü
      {"\xC5\x81\xC3\xB3"
       "d\xC5\xBA",
       "lodz"},  // Ł, ó, ź
      {"Stra\xC3\x9F"
       "e",
       "STRASSE"},  // ß
      {"\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1",
       "\xCE\xB5\xCE\xBB\xCE\xBB\xCE\xB1\xCE\xB4\xCE\xB1"},                       // ά
      {"\xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0", "\xD0\xB5\xD0\xBB\xD0\xBA\xD0\xB0"}};  // Ё
  for (const auto& [a, b] : same) EXPECT_EQ(NameKey(a), NameKey(b)) << a;
  EXPECT_NE(NameKey("ZDF"), NameKey("ZDF HD"));
}

TEST(OrderLikeHostTest, OneUndoStepAndNoneWhenTheOrderStays) {
  WorkingListBuilder b;
  b.SatNames(32).Satellite("1", "Astra").Transponder("1", "1", "11000", "27500", "H");
  b.Channel("1", "1", "1", "B").Channel("2", "1", "1", "A");
  FakeListView host(b.Build());
  OrderReference names;
  names.names = {"a", "b"};
  EXPECT_TRUE(OrderLike(host, names).changed);
  ASSERT_EQ(host.undo.size(), 1u);
  EXPECT_EQ(host.undo.front().label, kOrderLikeUndoLabel);
  EXPECT_EQ(NamesOf(host.fields, "CHANNEL"), (Strings{"A", "B"}));
  EXPECT_FALSE(OrderLike(host, names).changed);
  EXPECT_EQ(host.undo.size(), 1u);
}

TEST(OrderReferenceTest, AListThatDoesNotLoadIsRefusedNotTakenForNames) {
  TempDir dir;
  RecordingReporter reporter;
  std::string broken = listgen::Render(UpkeepList(3));
  broken.insert(broken.find("[SATELLITE]\r\n"), "33 \"One too many\"\r\n");
  EXPECT_FALSE(ReadOrderReference(dir.Write("broken.txt", broken), AppOptions{}, reporter).has_value());
  EXPECT_FALSE(reporter.boxes.empty());
  reporter.Clear();
  EXPECT_FALSE(ReadOrderReference(dir.File("missing.txt"), AppOptions{}, reporter).has_value());
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_TRUE(reporter.boxes.front().starts_with(kReferenceUnreadable));
}

}  // namespace
}  // namespace lumoscope::test
