// A message that one operation raises many times in a row is shown once, with how often
// and for which lines; every occurrence still reaches the message window.
#include <gtest/gtest.h>

#include "base/FieldConversions.h"
#include "base/FoldingReporter.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/SampleLists.h"
#include "transfer/SectionListParser.h"

namespace lumoscope {
namespace {

using Strings = std::vector<std::string>;

struct Folding {
  test::RecordingReporter shown;
  FoldingReporter folding{shown};
};

TEST(FoldingReporter, TheLoaderRepeatingAMessageGivesOneBoxWithItsLines) {
  Folding f;
  std::vector<std::string> fields;
  bool resave = false;
  {
    OperationScope operation(f.folding);
    ASSERT_TRUE(ParseSectionList(test::Crlf({"[DIGITAL CHANNEL]", "0 3 0 6Q TV A 0 N", "1 3 0 7Q TV B 0 N",
                                             "2 3 0 0101 TV C 0 N", "3 3 0 8Q TV D 0 N", "[END]"}),
                                 f.folding, fields, resave));
    EXPECT_TRUE(f.shown.boxes.empty());  // held until the operation ends
  }
  EXPECT_EQ(f.shown.boxes, Strings{std::string(kHexConversionMessage) + RepeatSummary(3, {2, 3, 5})});
  EXPECT_EQ(f.shown.windowTexts, (Strings{"Line 2: Conversion form Hex string to Int is failed\r\n",
                                          "Line 3: Conversion form Hex string to Int is failed\r\n",
                                          "Line 5: Conversion form Hex string to Int is failed\r\n"}));
  EXPECT_NE(RepeatSummary(3, {2, 3, 5}).find("lines 2, 3 and 5"), std::string::npos);
}

TEST(FoldingReporter, OnlyRepeatsInARowFoldAndEverythingElseKeepsItsOrder) {
  Folding f;
  f.shown.answers = {Answer::Yes};
  {
    OperationScope operation(f.folding);
    f.folding.MessageBox("A");
    f.folding.MessageBox("A");
    f.folding.MessageBox("B");
    EXPECT_EQ(f.folding.AskYesNo("Q", "C"), Answer::Yes);  // what was held comes first
    f.folding.MessageBox("A");
    f.folding.MessageBox("B", "other caption");
    f.folding.MessageBox("B");          // another caption: another message
    f.folding.ShowMessage("step\r\n");  // the operation goes on: what was held comes first
    f.folding.MessageBox("B");
    f.folding.HideMessageWindow();
    EXPECT_EQ(f.shown.boxes, (Strings{"A" + RepeatSummary(2, {}), "B", "A", "B", "B", "B"}));
    ASSERT_EQ(f.shown.questions.size(), 1u);
    EXPECT_EQ(f.shown.windowTexts, (Strings{"A\r\n", "A\r\n", "step\r\n"}));
  }
  // Outside an operation nothing is held or folded.
  f.shown.Clear();
  f.folding.MessageBox("A");
  f.folding.MessageBox("A");
  EXPECT_EQ(f.shown.boxes, (Strings{"A", "A"}));
}

TEST(FoldingReporter, ManyLinesAreNamedUpToAFewAndCounted) {
  std::vector<int> lines;
  for (int l = 1; l <= 40; ++l) lines.push_back(l);
  const std::string summary = RepeatSummary(40, lines);
  EXPECT_NE(summary.find("40 times, for lines 1, 2, "), std::string::npos);
  EXPECT_NE(summary.find(", 12 and 28 more;"), std::string::npos);
  EXPECT_NE(RepeatSummary(2, {7}).find("for line 7;"), std::string::npos);
}

}  // namespace
}  // namespace lumoscope
