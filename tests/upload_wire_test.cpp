#include <gtest/gtest.h>

#include "base/Sections.h"
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
  std::string listing = "dumpch\r\n";
  std::string list;
  for (const SectionFormat& section : kSectionFormats) {
    listing += "CH_DUMP||" + std::string(section.header) + "\r\n";
    list += std::string(section.header) + "\r\n";
  }
  factory.device.Arrive(listingAt, listing + "STB>");
  const std::string path = dir.File("up.txt");
  EXPECT_TRUE(UploadChannelListTo(db, path, dir.Path()));
  EXPECT_EQ(reporter.boxes, std::vector<std::string>{"Uploading SUCESS"});
  EXPECT_EQ(factory.device.written, std::string("\r\n\x1b\0\r\n\x1b\0\r\n\x1b\0\r\n", 14) +
                                        "dumpch\r\n\r\n"
                                        "go\r\n");
  // Without "[END]" reception ends at the sixth read of a second without a byte; one of
  // them came before the listing. The listing ended on the prompt after every section:
  // the end block follows it.
  EXPECT_EQ(factory.clock.now, listingAt + 5 * 1000 * kMs);
  EXPECT_EQ(test::ReadFile(path), list + " \r\n[END]\r\n\r\n");
  EXPECT_EQ(factory.openedPaths.size(), 2u);  // once for the listing, once for "go"
}

TEST_F(UploadOnFakeLine, WakeUpAndDumpCommandArePacedAt50Milliseconds) {
  // Nobody answers: the probe gives up after 1 ms, after the seven writes of the wake-up.
  EXPECT_FALSE(UploadChannelListTo(db, dir.File("up.txt"), dir.Path()));
  EXPECT_EQ(factory.clock.now, 7 * 50 * kMs + 1 * kMs);
  EXPECT_EQ(factory.openedPaths.size(), 1u);
}

TEST_F(UploadOnFakeLine, CancelDuringTheListingLetsTheReceiverContinueAndWritesNothing) {
  factory.device.Arrive(0, ">");
  // The listing starts, then the receiver keeps printing slowly.
  for (int i = 0; i < 20; ++i) factory.device.Arrive((1000 + i * 500) * kMs, "CH_DUMP||line\r\n");
  const int64_t cancelAt = 3000 * kMs;
  test::CancelAt cancel(factory.clock, cancelAt);
  factory.cancel = &cancel;
  const std::string path = dir.File("up.txt");
  EXPECT_FALSE(UploadChannelListTo(db, path, dir.Path()));
  EXPECT_EQ(reporter.boxes, std::vector<std::string>{kUploadCancelledMessage});
  EXPECT_LE(factory.clock.now, cancelAt + kCancelPollUs);
  EXPECT_TRUE(factory.device.written.ends_with("go\r\n"));
  EXPECT_EQ(dir.FileCount(), 0u);
  EXPECT_EQ(cancel.ended, 1);
}

}  // namespace
}  // namespace lumoscope
