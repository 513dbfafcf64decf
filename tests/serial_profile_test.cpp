#include <gtest/gtest.h>

#include "database/ListDB.h"
#include "tests/support/BinImage.h"
#include "tests/support/FakeLink.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempDir.h"
#include "transfer/Download.h"
#include "transfer/DownloadProtocol.h"
#include "transfer/PortSelection.h"
#include "transfer/Upload.h"
#include "transfer/WireTrace.h"

namespace lumoscope {
namespace {

using test::FakeClock;
using test::FakeDevice;

constexpr int64_t kMs = 1000;

struct ProfileRead {
  FakeClock clock;
  FakeDevice device{clock};
  size_t Read(const TimeoutProfile& p, size_t n, int64_t bound = kUnboundedUs) {
    std::vector<uint8_t> buf(n);
    return ReadUnderProfile(device, clock, p, bound, buf.data(), n);
  }
};

TEST(TimeoutProfiles, StandardWaitsForTheFirstByteThenStopsWhenTheLineIsIdle) {
  ProfileRead r;
  r.device.Arrive(60'000 * kMs, "abc");    // a minute of silence first
  r.device.Arrive(60'005 * kMs, "de");     // 5 ms later: same read
  r.device.Arrive(60'030 * kMs, "fghij");  // 25 ms later: the read has ended
  EXPECT_EQ(r.Read(kStandardProfile, 8), 5u);
  EXPECT_EQ(r.clock.now, 60'015 * kMs);  // returned after 10 ms of idle line
  EXPECT_EQ(r.Read(kStandardProfile, 3), 3u);
}

TEST(TimeoutProfiles, StandardFirstByteWaitIsCappedByTheBound) {
  ProfileRead r;
  r.device.Arrive(20'000 * kMs, "late");
  EXPECT_EQ(r.Read(kStandardProfile, 8, 10'000 * kMs), 0u);
  EXPECT_EQ(r.clock.now, 10'000 * kMs);
  // Once bytes flow the bound no longer matters: the 10 ms interval does.
  EXPECT_EQ(r.Read(kStandardProfile, 4, 10'000 * kMs), 4u);
}

TEST(TimeoutProfiles, ConnectGivesUpAfterPerByteTimesCountPlusConstant) {
  ProfileRead r;
  EXPECT_EQ(r.Read(kConnectProfile, 8), 0u);
  EXPECT_EQ(r.clock.now, 5100 * kMs);
  // Bytes 590 ms apart keep within the 600 ms interval; the total still ends the read.
  ProfileRead s;
  for (int i = 0; i < 8; ++i) s.device.Arrive((2000 + i * 590) * kMs, "x");
  EXPECT_EQ(s.Read(kConnectProfile, 8), 6u);
  EXPECT_EQ(s.clock.now, 5100 * kMs);
}

TEST(TimeoutProfiles, ProbeReturnsAfterOneMillisecond) {
  ProfileRead r;
  EXPECT_EQ(r.Read(kProbeProfile, 1), 0u);
  EXPECT_EQ(r.clock.now, 1 * kMs);
  r.device.Arrive(r.clock.now, ">");
  EXPECT_EQ(r.Read(kProbeProfile, 1), 1u);
}

TEST(TimeoutProfiles, WriteIsLimitedByPerByteAndConstant) {
  FakeClock clock;
  FakeDevice device(clock);
  device.writeStalled = true;
  const uint8_t data[4] = {1, 2, 3, 4};
  EXPECT_EQ(WriteUnderProfile(device, clock, kStandardProfile, data, 4), 0u);
  EXPECT_EQ(clock.now, 50 * kMs);  // 10 * 4 + 10
  device.writeStalled = false;
  EXPECT_EQ(WriteUnderProfile(device, clock, kStandardProfile, data, 4), 4u);
}

class FakeLinkDownload : public ::testing::Test {
 protected:
  FakeLinkDownload() {
    db.linkFactory = &factory;
    binPath = dir.Write("image.bin", std::string(14, '\0'));
  }
  test::TempDir dir;
  test::RecordingReporter reporter;
  AppOptions options;
  test::FakeLinkFactory factory;
  CListDB db{reporter, options};
  std::string binPath;
};

TEST_F(FakeLinkDownload, SilentReceiverEndsTheConnectionAfterTwoConnectReads) {
  EXPECT_FALSE(DownloadImage(db, binPath));
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_EQ(reporter.boxes[0], "Connetion fail with STB.\n");
  EXPECT_EQ(factory.clock.now, 2 * 5100 * kMs);
  EXPECT_TRUE(factory.device.written.empty());
}

TEST_F(FakeLinkDownload, ReceiverFallingSilentAfterThePacketEndsAfterThreeReadBounds) {
  const auto packets = test::SplitIntoPackets(test::RandomBytes(20, 1), 0x00100000, 10);
  const std::string twoPackets = dir.Write("two.bin", test::BuildBinImage(packets));
  // Ready and NXT, then the ACKs of the header, the first announcement and the first
  // frame; the second announcement is never answered.
  for (const ControlMessage& m : {kDnOperReq, kNxt, kAck, kAck, kAck})
    factory.device.Arrive(0, std::string(m.begin(), m.end()));
  EXPECT_FALSE(DownloadImage(db, twoPackets));
  EXPECT_EQ(reporter.boxes, std::vector<std::string>{"\nSTB doesn't ack\n"});
  EXPECT_EQ(factory.clock.now, 3 * factory.bounds.downloadReadUs);
}

TEST_F(FakeLinkDownload, IllegalPortNumbersTouchNoDevice) {
  for (int port : {0, 5}) {
    reporter.Clear();
    options.portNumber = port;
    EXPECT_FALSE(DownloadImage(db, binPath));
    EXPECT_EQ(reporter.boxes, std::vector<std::string>{kIllegalPortMessage});
    EXPECT_FALSE(UploadChannelList(db));
  }
  EXPECT_TRUE(factory.openedPaths.empty());
}

TEST_F(FakeLinkDownload, PortNumbersSelectTheDevicesOfTheOptions) {
  options.devicePaths = {"/dev/a", "/dev/b", "/dev/c", "/dev/d"};
  factory.refuseOpen = true;
  options.portNumber = 3;
  EXPECT_FALSE(DownloadImage(db, binPath));
  EXPECT_EQ(factory.openedPaths, std::vector<std::string>{"/dev/c"});
  EXPECT_EQ(reporter.boxes,
            std::vector<std::string>{WithFailure(kPortOpenFailedMessage, FailureFromErrno("/dev/c", EBUSY))});
  EXPECT_EQ(PortName(4), "COM4");
}

TEST_F(FakeLinkDownload, RefusedLineSettingsAreToldAndTheDownloadGoesOn) {
  factory.lineAccepted = false;
  factory.device.Arrive(0, std::string(kDnOperReq.begin(), kDnOperReq.end()));
  factory.device.Arrive(1 * kMs, "nonsense");  // not NXT: ERR, not counted
  EXPECT_FALSE(DownloadImage(db, binPath));
  ASSERT_GE(reporter.boxes.size(), 2u);
  EXPECT_EQ(reporter.boxes[0], kSerialInitFailedMessage);
  EXPECT_EQ(reporter.boxes.back(), "Connetion fail with STB.\n");
  const std::string ackThenErr =
      std::string(kAck.begin(), kAck.end()) + std::string(kErr.begin(), kErr.end());
  EXPECT_EQ(factory.device.written, ackThenErr);
}

TEST_F(FakeLinkDownload, CancelEndsTheDownloadWithinAPollWhereverItWaits) {
  const auto packets = test::SplitIntoPackets(test::RandomBytes(20, 1), 0x00100000, 10);
  const std::string twoPackets = dir.Write("two.bin", test::BuildBinImage(packets));
  struct Case {
    const char* where;
    std::vector<ControlMessage> answers;  // what the receiver says before it falls silent
    int64_t cancelAtUs;
  };
  const Case cases[] = {
      {"waiting for the ready message", {}, 2000 * kMs},
      {"waiting for the ACK of the second announcement", {kDnOperReq, kNxt, kAck, kAck, kAck}, 1500 * kMs},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    reporter.Clear();
    test::FakeLinkFactory link;
    test::CancelAt cancel(link.clock, c.cancelAtUs);
    link.cancel = &cancel;
    db.linkFactory = &link;
    for (const ControlMessage& m : c.answers) link.device.Arrive(0, std::string(m.begin(), m.end()));
    EXPECT_FALSE(DownloadImage(db, twoPackets));
    EXPECT_EQ(reporter.boxes, std::vector<std::string>{kDownloadCancelledMessage});
    EXPECT_LE(link.clock.now, c.cancelAtUs + kCancelPollUs);
    EXPECT_EQ(cancel.begun, 1);
    EXPECT_EQ(cancel.ended, 1);
  }
}

}  // namespace
}  // namespace lumoscope

namespace lumoscope {
namespace {

TEST(WireTrace, ShowsDirectionDeltaHexAndAscii) {
  std::vector<std::string> lines;
  HexDumpTrace trace([&](const std::string& l) { lines.push_back(l); });
  trace.Bytes(IWireTrace::Direction::FromReceiver, kAck.data(), kAck.size(), 5'000);
  const std::string seventeen(17, 'z');
  trace.Bytes(IWireTrace::Direction::ToReceiver, reinterpret_cast<const uint8_t*>(seventeen.data()), 17,
              7'500);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].substr(0, 24), "+    0.000 ms STB>PC  02");
  EXPECT_NE(lines[0].find("|.ACKack.|"), std::string::npos);
  EXPECT_EQ(lines[1].substr(0, 20), "+    2.500 ms PC>STB");
  EXPECT_NE(lines[2].find("|z|"), std::string::npos);  // 16 bytes per line
}

}  // namespace
}  // namespace lumoscope
