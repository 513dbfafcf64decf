#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "tests/support/BinImage.h"
#include "tests/support/SimulatedReceiver.h"
#include "transfer/Download.h"
#include "transfer/PortSelection.h"

namespace lumoscope {
namespace {

using Clock = std::chrono::steady_clock;

// Far above the injected read bounds, far below the line's own ones.
constexpr double kHangSeconds = 20.0;
using test::BinPacket;

constexpr uint32_t kLoadAddress = 0x00100000;
constexpr size_t kPacketBytes = 4080;
constexpr const char* kSuccess = "Flash download is terminated successfully.\n";
constexpr const char* kAbnormal = "Flash download is terminated abnormally\n";

class DownloadTest : public test::SimulatedReceiverTest {
 protected:
  DownloadTest() {
    packets = test::SplitIntoPackets(test::RandomBytes(10000, 7), kLoadAddress, kPacketBytes);
    binPath = dir.Write("list.bin", test::BuildBinImage(packets));
  }
  bool Download(const std::string& path) {
    const auto start = Clock::now();
    const bool ok = DownloadImage(db, path);
    elapsed = Seconds(start);
    return ok;
  }
  bool WindowSaid(const std::string& text) const {
    return std::find(reporter.windowTexts.begin(), reporter.windowTexts.end(), text) !=
           reporter.windowTexts.end();
  }
  std::string LastBox() const { return reporter.boxes.empty() ? "" : reporter.boxes.back(); }

  std::vector<BinPacket> packets;
  std::string binPath;
  double elapsed = 0;
};

TEST_F(DownloadTest, GoodDownloadStoresExactlyTheImageData) {
  StartReceiver();
  EXPECT_TRUE(Download(binPath));
  EXPECT_TRUE(PortReleased());
  EXPECT_EQ(OpenDescriptorsOn(binPath), 0);
  const sim::SimResult& r = StopReceiver();
  ASSERT_EQ(r.image.size(), packets.size());
  for (const BinPacket& p : packets) EXPECT_EQ(r.image.at(p.address), p.data) << p.address;
  EXPECT_TRUE(r.disReceived);
  EXPECT_EQ(r.protocolErrors + r.crcErrors, 0);
  // Every announcement carries the image header's packet-count byte.
  EXPECT_EQ(r.announcementByte9, std::vector<uint8_t>(packets.size(), static_cast<uint8_t>(packets.size())));

  EXPECT_EQ(reporter.boxes, std::vector<std::string>{kSuccess});
  const std::vector<std::string> expectedWindow = {
      "CLEAR ALL MESSAGE",
      "serial initialize\r\n",
      "Try to make connection...\r\n",
      "Waitiing Message from Satellite Receiver\r\n",
      "CONNECTING \r\n=> 1.Waiting DN_OPER_REQ from STB \r\n=>COMPLETE while read 1 times\r\n",
      "\r\nConnetion established...\r\n",
      "send DN_HEADER => 1 times\r\n",
      "\r\nNow, we start to send data packet\r\n",
      "\r\nWaiting termination message from STB.\r\n",
      "\r\nDisconnecting serial port\r\n"};
  EXPECT_EQ(reporter.windowTexts, expectedWindow);
  // Progress: after the header, then per packet after its header and after its data;
  // 100 only once the last packet's data is read.
  ASSERT_FALSE(reporter.frameProgress.empty());
  EXPECT_EQ(reporter.frameProgress.back(), 100);
  EXPECT_EQ(std::count(reporter.frameProgress.begin(), reporter.frameProgress.end(), 100),
            2);  // + end-of-file
  ASSERT_EQ(reporter.progress.size(), packets.size());
  EXPECT_EQ(reporter.progress.back(), (std::pair<int, int>{100, kProgressShow}));
  EXPECT_LT(reporter.progress.front().first, 100);
}

TEST_F(DownloadTest, ShiftedReadyMessageIsCaughtUpOnTheNextAttempt) {
  sim::SimOptions o;
  o.readyShift = 3;
  StartReceiver(o);
  EXPECT_TRUE(Download(binPath));
  EXPECT_TRUE(
      WindowSaid("CONNECTING \r\n=> 1.Waiting DN_OPER_REQ from STB \r\n=>COMPLETE while read 2 times\r\n"));
  EXPECT_EQ(StopReceiver().packetsStored, packets.size());
}

TEST_F(DownloadTest, WrongAnswerToAckIsNotCountedAsAFailure) {
  sim::SimOptions o;
  o.wrongAnswersToAck = 1;
  StartReceiver(o);
  EXPECT_TRUE(Download(binPath));
  EXPECT_EQ(std::count(reporter.windowTexts.begin(), reporter.windowTexts.end(),
                       "Waitiing Message from Satellite Receiver\r\n"),
            2);
  StopReceiver();
}

TEST_F(DownloadTest, RefusedAcknowledgementsAreRetriedThreeTimes) {
  struct Case {
    int header, announcement, frame;
    bool ok;
    const char* box;
  };
  const Case cases[] = {
      {2, 0, 0, true, kSuccess},
      {3, 0, 0, false, "\nSTB doesn't ack.\n"},
      {0, 3, 0, false, "\nSTB doesn't ack\n"},
      {0, 0, 2, true, kSuccess},
      {0, 0, 3, false, "\nAborting to send data due to communication problems!\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.header << "/" << c.announcement << "/" << c.frame);
    reporter.Clear();
    sim::SimOptions o;
    o.badHeaderAcks = c.header;
    o.badAnnouncementAcks = c.announcement;
    o.badFrameAcks = c.frame;
    o.faultPacket = 1;
    StartReceiver(o);
    EXPECT_EQ(Download(binPath), c.ok);
    EXPECT_EQ(LastBox(), c.box);
    EXPECT_TRUE(PortReleased());
    EXPECT_EQ(OpenDescriptorsOn(binPath), 0);
    EXPECT_EQ(WindowSaid("send DN_HEADER => 3 times\r\n"), c.header > 1);
    StopReceiver();
  }
}

TEST_F(DownloadTest, ReceiverReportingPerFails) {
  sim::SimOptions o;
  o.reportFailure = true;
  StartReceiver(o);
  EXPECT_FALSE(Download(binPath));
  EXPECT_EQ(reporter.boxes, std::vector<std::string>{kAbnormal});
  EXPECT_TRUE(StopReceiver().verdictSent);
}

TEST_F(DownloadTest, ReceiverFallingSilentMidwayEndsWithinTheReadBound) {
  sim::SimOptions o;
  o.hangUpAfterPackets = 1;
  StartReceiver(o);
  EXPECT_FALSE(Download(binPath));
  EXPECT_EQ(LastBox(), "\nSTB doesn't ack\n");
  // Three announcement attempts wait one read bound each (timed on the fake clock in
  // serial_profile_test). Here only a hang check: the real bound would take 30 s.
  EXPECT_LT(elapsed, kHangSeconds);
  EXPECT_TRUE(PortReleased());
  StopReceiver();
}

TEST_F(DownloadTest, FileFaultsAreToldAfterTheConnection) {
  const std::string good = test::BuildBinImage(packets);
  const std::string firstPacket = test::PacketBytes(packets[0], 0);
  BinPacket huge{kLoadAddress, std::vector<uint8_t>(kMaxPacketDataBytes + 1, 0xA5)};
  struct Case {
    std::string bytes;
    const char* box;
  };
  const Case cases[] = {
      {good.substr(0, 10), "ERRER in reading file header.\n"},
      {"\x55\xAB" + good.substr(2), "File header format is not correct.\n"},
      {good.substr(0, 14) + firstPacket + "\x5A\x5A\x00", "\nERROR in reading File read error.\n"},
      {good.substr(0, 14) + "\x5A\x5B" + firstPacket.substr(2), "File packet information is not correct.\n"},
      {good.substr(0, 14) + test::PacketBytes(huge, 0), "File packet information is not correct.\n"},
      {good.substr(0, 14 + firstPacket.size() - 1), "\nFile read error.\n"},
  };
  int i = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(i);
    reporter.Clear();
    StartReceiver();
    const std::string path = dir.Write("bad" + std::to_string(i++) + ".bin", c.bytes);
    EXPECT_FALSE(Download(path));
    EXPECT_EQ(reporter.boxes, std::vector<std::string>{c.box});
    EXPECT_EQ(OpenDescriptorsOn(path), 0);
    EXPECT_TRUE(WindowSaid("\r\nConnetion established...\r\n"));
    EXPECT_TRUE(PortReleased());
    StopReceiver();
  }
}

TEST_F(DownloadTest, PortTroubleEndsBeforeAnyExchange) {
  StartReceiver();
  EXPECT_FALSE(Download(dir.File("missing.bin")));
  EXPECT_THAT(LastBox(),
              testing::StartsWith(Format("Fail to open input file %s\n", dir.File("missing.bin").c_str())));

  // Held by another program, missing, not a terminal: the message, and on a second
  // line the device and why.
  SystemClock clock;
  FileFailure failure;
  auto holder = CComm::Open(receiver->DevicePath(), clock, failure);
  ASSERT_NE(holder, nullptr);
  const std::pair<std::string, std::string> troubles[] = {
      {receiver->DevicePath(), "Device or resource busy. Another program is using it"},
      {dir.File("no-such-tty"), "No such file or directory. Check the receiver's cable"},
      {binPath, "Is not a serial device"},
  };
  for (const auto& [device, cause] : troubles) {
    reporter.Clear();
    options.devicePaths[1] = device;
    EXPECT_FALSE(Download(binPath));
    EXPECT_THAT(reporter.boxes, testing::ElementsAre(testing::StartsWith(std::string(kPortOpenFailedMessage) +
                                                                         "\n" + device + ": " + cause)));
    EXPECT_EQ(OpenDescriptorsOn(binPath), 0);
  }
  holder.reset();
  options.devicePaths[1] = receiver->DevicePath();
  // The descriptor check itself sees an open file.
  std::FILE* open = std::fopen(binPath.c_str(), "rb");
  EXPECT_EQ(OpenDescriptorsOn(binPath), 1);
  std::fclose(open);
  EXPECT_EQ(StopReceiver().bytesFromPc, 0u);
}

TEST_F(DownloadTest, CurrentListSendsTheBinBesideTheTextFile) {
  StartReceiver();
  db.SetFilePath(dir.File("list.txt"));
  EXPECT_TRUE(DownloadCurrentList(db));
  EXPECT_EQ(db.FilePath(), dir.File("list.txt"));
  EXPECT_EQ(StopReceiver().packetsStored, packets.size());
}

}  // namespace
}  // namespace lumoscope
