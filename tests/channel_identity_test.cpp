// One identity for ordering, tidying and comparing: radio stations on the sound carriers
// of a TV transponder are channels of their own, in the analog example list.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/RecordFields.h"
#include "base/SectionLocator.h"
#include "listview/ListDiff.h"
#include "listview/ListTidy.h"
#include "listview/OrderLike.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/UpkeepLists.h"
#include "transfer/SectionListParser.h"

namespace lumoscope::test {
namespace {

// The example, with a second radio station on Das Erste's transponder (11494 H).
std::vector<std::string> AstraAnalog() {
  std::string text = ReadFile(std::string(LUMOSCOPE_SOURCE_DIR) + "/examples/astra-analog.txt");
  const std::string bayern3 = "\"Bayern 3\"";
  const size_t lineEnd = text.find("\r\n", text.find(bayern3));
  text.insert(lineEnd + 2,
              "12 0 11494 KU \"Bayern 4\" 27MHz H 100 128 CVBS STEREO 7.74 7.92 130 Y NO_DEEMP RADIO N\r\n");
  RecordingReporter reporter;
  std::vector<std::string> fields;
  bool resave = false;
  EXPECT_TRUE(ParseSectionList(text, reporter, fields, resave));
  return fields;
}

// The analog record named `name`.
size_t AnalogRecord(const std::vector<std::string>& fields, const std::string& name) {
  const SectionSpan span = SectionLocator(fields)[Section::AnalogTp];
  for (size_t r = 0; r < span.Records(); ++r)
    if (fields[span.At(r, field::kAnName)] == name) return r;
  ADD_FAILURE() << name;
  return 0;
}

TEST(ChannelIdentityTest, RadioStationsOnATvTransponderAreChannelsOfTheirOwn) {
  const std::vector<std::string> list = AstraAnalog();
  EXPECT_TRUE(FindListProblems(list, NameCodec()).Clean())
      << FindingsText(FindListProblems(list, NameCodec()));
  EXPECT_TRUE(PlanTidy(list, {true, true, true}, NameCodec()).Empty());

  // Bayern 3 and Bayern 4 change places.
  std::vector<std::string> swapped = list;
  const SectionSpan span = SectionLocator(swapped)[Section::AnalogTp];
  const size_t a = span.At(AnalogRecord(swapped, "Bayern 3"));
  const size_t b = span.At(AnalogRecord(swapped, "Bayern 4"));
  std::swap_ranges(swapped.begin() + static_cast<long>(a),
                   swapped.begin() + static_cast<long>(a + span.width),
                   swapped.begin() + static_cast<long>(b));

  const ListDifferences d = CompareLists(list, swapped, NameCodec());
  EXPECT_EQ(d.changes.size(), 2u) << DifferencesText(d);
  EXPECT_EQ(d.Count(ChangeKind::Moved), 2u) << DifferencesText(d);

  OrderReference reference;
  reference.isList = true;
  reference.channels = ReadChannels(list, NameCodec()).channels;
  const OrderLikeReport report = OrderLike(swapped, reference, NameCodec());
  EXPECT_TRUE(report.changed);
  EXPECT_EQ(swapped, list);
}

}  // namespace
}  // namespace lumoscope::test
