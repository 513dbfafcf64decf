// The fill of a list against the receiver's limits is what the compile writes: on
// generated lists of many shapes, with blank and missing satellites, every count and
// both image sizes equal the compile's; and a change is told when it takes the list past
// a limit, not when it leaves it as full as before.
#include <gtest/gtest.h>

#include <algorithm>

#include "database/Compiler.h"
#include "database/ImageLayout.h"
#include "database/ListFill.h"
#include "tests/support/RecordingReporter.h"
#include "tools/listgen/ListGenerator.h"
#include "transfer/SectionListFormatter.h"
#include "transfer/SectionListParser.h"

namespace lumoscope::test {
namespace {

std::vector<std::string> Parse(const std::string& text) {
  RecordingReporter reporter;
  std::vector<std::string> fields;
  bool resave = false;
  EXPECT_TRUE(ParseSectionList(text, reporter, fields, resave));
  return fields;
}

CompileResult Compile(const std::string& text, bool normal, int maxSatellites) {
  RecordingReporter reporter;
  CompileRequest request;
  request.normal = normal;
  request.maxSatellites = maxSatellites;
  CompileResult r = CompileText(text, request, reporter);
  EXPECT_TRUE(r.ok) << (reporter.boxes.empty() ? "" : reporter.boxes.front());
  return r;
}

// The bytes the hex file of an image holds.
size_t HexBytes(const std::vector<uint8_t>& image, bool normal) {
  return ImageToHex(image, normal).size() / kHexLineChars * kHexBytesPerLine;
}

TEST(ListFillTest, EqualsWhatTheCompileWritesOnGeneratedLists) {
  for (uint32_t seed = 1; seed <= 24; ++seed) {
    listgen::ListShape shape = listgen::VariedShape(seed);
    shape.digitalTps = static_cast<int>(seed * 7);
    shape.pidChannels = static_cast<int>(seed % 5);
    shape.analogTps = static_cast<int>(seed * 2);
    listgen::ListContent content = listgen::GenerateContent(shape);
    // What is on a blank satellite, or on none, never reaches the image.
    if (seed % 3 == 1) content.satellites.front()[2] = "Y";
    if (seed % 4 == 2 && !content.channels.empty()) {
      int missing = 0;
      while (std::any_of(content.satellites.begin(), content.satellites.end(),
                         [&](const auto& s) { return s[0] == std::to_string(missing); }))
        ++missing;
      content.channels.front()[2] = std::to_string(missing);
    }
    // The list as the program saves it (every section written, in its order).
    const std::vector<std::string> fields = Parse(listgen::Render(content));
    const std::string saved = FormatSectionList(fields);
    const CompileResult normal = Compile(saved, true, shape.maxSatellites);
    const CompileResult basic = Compile(saved, false, shape.maxSatellites);

    const ListFill fill = FillOfList(fields);
    const CompileCounters& c = normal.counters;
    EXPECT_EQ(fill.satellites, c.satellites) << "seed " << seed;
    EXPECT_EQ(fill.digitalTps, c.digitalTps) << "seed " << seed;
    EXPECT_EQ(fill.digitalServices, c.digitalServices) << "seed " << seed;
    EXPECT_EQ(fill.analogTps, c.analogTps) << "seed " << seed;
    EXPECT_EQ(fill.tv, c.tv) << "seed " << seed;
    EXPECT_EQ(fill.radio, c.radio) << "seed " << seed;
    EXPECT_EQ(fill.normalImageBytes, HexBytes(normal.image, true)) << "seed " << seed;
    EXPECT_EQ(fill.basicImageBytes, HexBytes(basic.image, false)) << "seed " << seed;
  }
}

TEST(ListFillTest, TheLargestListThatFitsFillsTheNormalImage) {
  const ListFill full = FillOfList(Parse(listgen::FullReceiverList()));
  EXPECT_TRUE(full.Fits());
  EXPECT_EQ(full.normalImageBytes, kMaxNormalImageBytes);
  EXPECT_EQ(full.Percent(), 100);
  EXPECT_EQ(FillStatusText(full), Format(kFitsText, 100));
  EXPECT_EQ(OverLimitsText(full), "");

  const ListFill stress = FillOfList(Parse(listgen::StressList()));
  EXPECT_FALSE(stress.Fits());
  EXPECT_EQ(FillStatusText(stress), Format(kDoesNotFitText, stress.Percent()));
  EXPECT_GT(stress.Percent(), 100);
}

// A change is told about when it takes a figure past its limit or further past it; one
// that leaves an overfull list no fuller (a rename, a deletion) is not.
TEST(ListFillTest, OnlyAChangeThatGrowsAFigurePastItsLimitIsTold) {
  const std::vector<std::string> full = Parse(listgen::FullReceiverList());
  const std::vector<std::string> stress = Parse(listgen::StressList());
  const ListFill fits = FillOfList(full);
  const ListFill over = FillOfList(stress);
  RecordingReporter reporter;
  EXPECT_TRUE(StillFits(fits, full, reporter));
  EXPECT_TRUE(StillFits(over, stress, reporter));
  WarnWhenNoLongerFits(over, full, reporter);
  EXPECT_TRUE(reporter.boxes.empty());

  EXPECT_FALSE(StillFits(fits, stress, reporter));
  WarnWhenNoLongerFits(fits, stress, reporter);
  const std::string figures = NewlyOverLimitsText(fits, over);
  EXPECT_EQ(figures, OverLimitsText(over));
  EXPECT_NE(figures.find(FigureText(over.Figures().front())), std::string::npos) << figures;
  EXPECT_EQ(reporter.boxes, (std::vector<std::string>{Format(kNoLongerFitsRefusal, figures.c_str()),
                                                      Format(kNoLongerFitsWarning, figures.c_str())}));
}

}  // namespace
}  // namespace lumoscope::test
