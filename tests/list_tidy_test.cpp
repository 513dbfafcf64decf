// Tidying a list up: what lint finds, and what each choice of removals takes away
// without breaking a reference of what stays.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/RecordFields.h"
#include "base/SectionLocator.h"
#include "database/ListDB.h"
#include "listview/ListTidy.h"
#include "tests/support/FieldsBuilder.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/UpkeepLists.h"
#include "tests/support/WorkingListBuilder.h"
#include "transfer/SectionListLoader.h"
#include "transfer/SectionListWriter.h"

namespace lumoscope::test {
namespace {

constexpr size_t kTp = 1;

// A clean list with three duplicates (one of them the only channel of a copy of its
// transponder), one transponder nobody uses, two channels of one transponder with the
// same name, and two null channels.
listgen::ListContent UntidyList() {
  listgen::ListContent c = UpkeepList(5);
  const auto copyOf = [](Record r, const std::string& index) {
    r[0] = index;
    return r;
  };
  c.channels.push_back(copyOf(c.channels[2], "9001"));
  const Record& tp = *std::find_if(c.digitalTps.begin(), c.digitalTps.end(),
                                   [&](const Record& t) { return t[0] == c.channels[4][kTp]; });
  c.digitalTps.push_back(copyOf(tp, "4001"));
  Record onCopy = copyOf(c.channels[4], "9002");
  onCopy[kTp] = "4001";
  c.channels.push_back(onCopy);
  Record unused = copyOf(c.digitalTps.front(), "4002");
  unused[2] = "12345";
  c.digitalTps.push_back(unused);
  Record sameName = copyOf(c.channels[6], "9003");
  sameName[3] = "EEEE";
  c.channels.push_back(sameName);
  c.pidChannels.push_back(copyOf(c.pidChannels[0], "901"));
  c.channels.insert(c.channels.begin() + 1,
                    {NullChannelLike(c.channels[1], 9004), NullChannelLike(c.channels[1], 9005)});
  return c;
}

TEST(ListFindingsTest, FindsWhatWasMadeAndNothingInACleanList) {
  TempDir dir;
  EXPECT_TRUE(FindListProblems(LoadContent(UpkeepList(5), dir, "clean.txt"), NameCodec()).Clean());
  const ListFindings f = FindListProblems(LoadContent(UntidyList(), dir, "untidy.txt"), NameCodec());
  EXPECT_EQ(f.duplicates.size(), 3u);
  EXPECT_EQ(f.unusedTransponders.size(), 1u);
  EXPECT_EQ(f.sameNames.size(), 1u);
  EXPECT_EQ(f.nullChannels, (std::vector<long>{2, 3}));
  EXPECT_TRUE(f.nullAnalogChannels.empty());
}

struct TidyCase {
  const char* name;
  TidyChoice choice;
  size_t channels;
  size_t transponders;
};

class TidyTest : public ::testing::TestWithParam<TidyCase> {};

// The Index field of every record of a section.
std::multiset<std::string> Indices(const std::vector<std::string>& fields, Section section) {
  const SectionSpan span = SectionLocator(fields)[section];
  std::multiset<std::string> indices;
  for (size_t r = 0; r < span.Records(); ++r) indices.insert(fields[span.At(r)]);
  return indices;
}

TEST_P(TidyTest, RemovesTheChosenRecordsAndKeepsEveryReference) {
  const TidyCase& c = GetParam();
  TempDir dir;
  const std::vector<std::string> before = LoadContent(UntidyList(), dir, "list.txt");
  const TidyPlan plan = PlanTidy(before, c.choice, NameCodec());
  EXPECT_EQ(plan.channels.size(), c.channels);
  EXPECT_EQ(plan.transponders.size(), c.transponders);

  // The report gives the null channels as ranges of numbers, not a line each.
  const std::string report = TidyReportText(plan);
  EXPECT_EQ(report.find(": null channel"), std::string::npos) << report;
  EXPECT_EQ(report.find("  null channels ") != std::string::npos, !plan.nullChannels.empty()) << report;

  FakeListView host(before);
  ASSERT_TRUE(TidyUp(host, plan));
  ASSERT_EQ(host.undo.size(), 1u);
  EXPECT_EQ(host.undo.front().label, kTidyUndoLabel);
  const std::vector<std::string>& after = host.fields;
  EXPECT_EQ(CheckWellFormed(after), "");

  const ListFindings left = FindListProblems(after, NameCodec());
  EXPECT_EQ(left.duplicates.empty(), c.choice.duplicates);
  EXPECT_EQ(left.unusedTransponders.empty(), c.choice.unusedTransponders);
  EXPECT_EQ(left.nullChannels.empty(), c.choice.nullChannels);
  // Satellites and transponders keep their indices; every channel still finds its own.
  EXPECT_EQ(Indices(after, Section::Satellite), Indices(before, Section::Satellite));
  const std::multiset<std::string> tps = Indices(after, Section::DigitalTp);
  EXPECT_EQ(tps.size() + c.transponders, Indices(before, Section::DigitalTp).size());
  for (const Section s : {Section::DigitalChannel, Section::PidChannel}) {
    const SectionSpan span = SectionLocator(after)[s];
    const int tpField = s == Section::DigitalChannel ? field::kChTp : field::kPidTp;
    for (size_t r = 0; r < span.Records(); ++r) EXPECT_TRUE(tps.contains(after[span.At(r, tpField)]));
  }

  // The result is written, reopens and compiles.
  RecordingReporter reporter;
  AppOptions options;
  CListDB db(reporter, options, dir.File("list.txt"));
  ASSERT_TRUE(SaveSectionList(db, after));
  std::vector<std::string> reopened;
  ASSERT_TRUE(LoadSectionList(db, reopened));
  EXPECT_EQ(db.Compile(kCompileNormal), 1);
  EXPECT_TRUE(reporter.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Choices, TidyTest,
    ::testing::Values(TidyCase{"Duplicates", {true, false, false}, 3, 0},
                      TidyCase{"UnusedTransponders", {false, true, false}, 0, 1},
                      // the copied transponder's only channel was a duplicate
                      TidyCase{"DuplicatesAndTheirTransponders", {true, true, false}, 3, 2},
                      TidyCase{"NullChannels", {false, false, true}, 2, 0},
                      TidyCase{"All", {true, true, true}, 5, 2}),
    [](const ::testing::TestParamInfo<TidyCase>& param) { return std::string(param.param.name); });

TEST(TidyUpTest, AnEmptyPlanChangesNothing) {
  FakeListView host(WorkingListBuilder{}.SatNames(32).Build());
  EXPECT_FALSE(TidyUp(host, PlanTidy(host.fields, {true, true, true}, NameCodec())));
  EXPECT_TRUE(host.undo.empty());
  EXPECT_EQ(host.refreshes, 0);
}

}  // namespace
}  // namespace lumoscope::test
