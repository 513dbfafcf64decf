#include <gtest/gtest.h>

#include "database/ListDB.h"
#include "tests/support/FakeLink.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempDir.h"
#include "transfer/Upload.h"

namespace lumoscope {
namespace {

constexpr int64_t kMs = 1000;

class UploadOnFakeLine : public ::testing::Test {
 protected:
  UploadOnFakeLine() { db.linkFactory = &factory; }
  test::TempDir dir;
  test::RecordingReporter reporter;
  AppOptions options;
  test::FakeLinkFactory factory;  // the real bounds: an empty read after 1 s
  CListDB db{reporter, options};
};

TEST_F(UploadOnFakeLine, TypesTheWakeUpDumpAndContinueCommandsAndEndsAfterSixEmptyReads) {
  factory.device.Arrive(0, ">");  // the console answers the wake-up
  const int64_t listingAt = 2000 * kMs;
  factory.device.Arrive(
      listingAt, "dumpch\r\nCH_DUMP||[SATELLITE_NAME_LIST]\r\nCH_DUMP||#-------------------------+\r\nSTB>");
  const std::string path = dir.File("up.txt");
  EXPECT_TRUE(UploadChannelListTo(db, path, dir.Path()));
  EXPECT_EQ(reporter.boxes, std::vector<std::string>{"Uploading SUCESS"});
  EXPECT_EQ(factory.device.written, std::string("\r\n\x1b\0\r\n\x1b\0\r\n\x1b\0\r\n", 14) +
                                        "dumpch\r\n\r\n"
                                        "go\r\n");
  // Without "[END]" reception ends at the sixth read of a second without a byte; one of
  // them came before the listing. The listing ended on the prompt: the end block goes
  // over the last 18 bytes.
  EXPECT_EQ(factory.clock.now, listingAt + 5 * 1000 * kMs);
  EXPECT_EQ(test::ReadFile(path), "[SATELLITE_NAME_LIST]\r\n#---------- \r\n[END]\r\n\r\n---+\r\n");
  EXPECT_EQ(factory.openedPaths.size(), 2u);  // once for the listing, once for "go"
}

TEST_F(UploadOnFakeLine, WakeUpAndDumpCommandArePacedAt50Milliseconds) {
  // Nobody answers: the probe gives up after 1 ms, after the seven writes of the wake-up.
  EXPECT_FALSE(UploadChannelListTo(db, dir.File("up.txt"), dir.Path()));
  EXPECT_EQ(factory.clock.now, 7 * 50 * kMs + 1 * kMs);
  EXPECT_EQ(factory.openedPaths.size(), 1u);
}

}  // namespace
}  // namespace lumoscope
