// The generated lists that tests and benchmarks share: each is accepted, and the image
// sizes follow from the record counts alone (an independent check of the block layout).
#include <gtest/gtest.h>

#include "database/Compiler.h"
#include "database/HexWriter.h"
#include "tests/support/RecordingReporter.h"
#include "tools/listgen/ListGenerator.h"

namespace lumoscope {
namespace {

CompileResult Compile(const std::string& text, bool normal, int maxSatellites = 32, bool check = false) {
  test::RecordingReporter reporter;
  CompileRequest request;
  request.normal = normal;
  request.validateOnly = check;
  request.maxSatellites = maxSatellites;
  CompileResult r = CompileText(text, request, reporter);
  EXPECT_EQ(r.ok, reporter.boxes.empty());
  if (!reporter.boxes.empty()) r.image.assign(reporter.boxes[0].begin(), reporter.boxes[0].end());
  return r;
}

// Image sizes from the record counts: markers, header, name table, records.
size_t NormalSize(size_t sats, size_t tps, size_t services, size_t atps) {
  return 12 + 4 + 28 * sats + 8 + 36 * tps + 8 + 28 * services + 8 + 28 * atps + 4;
}
size_t BasicSize(int maxSat, size_t sats, size_t tps, size_t channels, size_t pids, size_t atps) {
  return 14 * static_cast<size_t>(maxSat) + 4 + 4 + 28 * sats + 8 + 24 * tps + 8 + 28 * channels + 8 +
         32 * pids + 8 + 28 * atps + 4;
}

TEST(ListGenerator, RandomListsCompileInEveryModeWithTheExpectedSizes) {
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    const listgen::ListShape shape = listgen::VariedShape(seed);
    const listgen::ListContent content = listgen::GenerateContent(shape);
    const std::string text = listgen::Render(content);
    const size_t pids = content.pidChannels.size(), atps = content.analogTps.size();
    const CompileResult normal = Compile(text, true, shape.maxSatellites);
    ASSERT_TRUE(normal.ok) << "seed " << seed << ": "
                           << std::string(normal.image.begin(), normal.image.end());
    EXPECT_EQ(normal.image.size(), NormalSize(content.satellites.size(), content.digitalTps.size(),
                                              content.channels.size() + pids, atps));
    const CompileResult basic = Compile(text, false, shape.maxSatellites);
    ASSERT_TRUE(basic.ok);
    EXPECT_EQ(basic.image.size(), BasicSize(shape.maxSatellites, content.satellites.size(),
                                            content.digitalTps.size(), content.channels.size(), pids, atps));
    EXPECT_TRUE(Compile(text, false, shape.maxSatellites, true).ok);
    EXPECT_EQ(listgen::GenerateList(shape), text);  // the seed decides everything
  }
}

TEST(ListGenerator, FullReceiverListIsTheLargestThatFits64KiB) {
  const CompileResult r = Compile(listgen::FullReceiverList(), true);
  ASSERT_TRUE(r.ok);
  EXPECT_LE(r.image.size(), listgen::kReceiverImageBytes);
  EXPECT_GT(r.image.size() + 28, listgen::kReceiverImageBytes);  // one more record would not fit
  EXPECT_EQ(r.counters.satellites + r.counters.digitalTps + r.counters.digitalServices + r.counters.analogTps,
            2253);
  // Padded to whole 32-byte units, the hex file holds exactly 64 KiB.
  EXPECT_EQ(ImageToHex(r.image, true).size(), listgen::kReceiverImageBytes / 16 * kHexLineChars);
  EXPECT_TRUE(Compile(listgen::FullReceiverList(), false).ok);
}

TEST(ListGenerator, StressListFillsEveryTableAndOnlyTheNormalCompileRefusesIt) {
  const std::string text = listgen::StressList();
  const CompileResult basic = Compile(text, false);
  ASSERT_TRUE(basic.ok);
  EXPECT_EQ(basic.counters.satellites, 50);
  EXPECT_EQ(basic.counters.digitalTps, 4999);
  EXPECT_EQ(basic.counters.digitalServices, 999);  // the PID block counts afresh
  EXPECT_EQ(basic.counters.analogTps, 4999);
  EXPECT_EQ(basic.image.size(), BasicSize(32, 50, 4999, 9999, 999, 4999));
  EXPECT_TRUE(Compile(text, false, 32, true).ok);
  EXPECT_FALSE(Compile(text, true).ok);
}

}  // namespace
}  // namespace lumoscope
