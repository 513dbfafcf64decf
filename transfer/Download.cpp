// The flash download: the receiver announces that it is ready, the PC sends the image
// header, then every packet of the ".bin" file in turn, each announced, acknowledged and
// retried on its own, and at the end the receiver says whether it stored the image.
// Each step is reported in the message window; every way out closes the file and
// releases the port.
#include "transfer/Download.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

#include "base/DerivedNames.h"
#include "base/FileHandle.h"
#include "base/InputFile.h"
#include "database/ListDB.h"
#include "transfer/CancelWatch.h"
#include "transfer/DownloadProtocol.h"
#include "transfer/PortSelection.h"
#include "transfer/PosixLinkFactory.h"

namespace lumoscope {
namespace {

// Counted failures after which the PC gives up waiting for the receiver's ready message.
constexpr int kConnectFailuresAllowed = 2;
// Attempts for the header, each announcement, each frame and the disconnect message.
constexpr int kSendAttempts = 3;
// Reads of 8 bytes spent waiting for the receiver's verdict (POK or PER).
constexpr int kTerminationReads = 30;
// The receiver needs a moment between the NXT and a frame (and before a frame is sent
// again) to ready its flash buffer; the PC gives it a short busy wait, not a timed one.
constexpr int kPauseIterations = 4096;
// The ready message may arrive shifted by up to 7 bytes; the PC then reads that many more.
constexpr size_t kMaxResyncOffset = 7;
constexpr int kPercent = 100;

void Pause() {
  volatile int sink = 0;  // keeps the empty loop from being optimised away
  for (int i = 0; i < kPauseIterations; ++i) sink = i;
  static_cast<void>(sink);
}

bool IsMessage(const uint8_t* data, const ControlMessage& msg) {
  return std::memcmp(data, msg.data(), kControlMessageBytes) == 0;
}

// Where a shifted ready message starts among the first 8 bytes received: the first STX
// followed by "H", or an STX in the last place. Nothing when there is none.
int FindReadyMessageStart(const uint8_t* data) {
  for (size_t i = 0; i <= kMaxResyncOffset; ++i) {
    if (data[i] != kStx) continue;
    if (i == kMaxResyncOffset || data[i + 1] == kDnOperReq[1]) return static_cast<int>(i);
  }
  return -1;
}

class FlashDownload {
 public:
  FlashDownload(IReporter& reporter, ISerialLinkFactory& factory, const AppOptions& options)
      : reporter_(reporter),
        factory_(factory),
        options_(options),
        cancel_(factory.Cancel(), factory.Clock()),
        frame_(kFrameBufferBytes) {}

  bool Run(const std::string& path);

 private:
  enum class PacketResult { Sent, EndOfFile, Failed };

  bool Connect();
  bool SendImageHeader();
  PacketResult SendPacket();
  bool Terminate();

  // Reads 8 bytes; true only for exactly ACK.
  bool ExpectAck();
  void Send(const ControlMessage& msg) {
    if (!cancel_.Requested()) port_->Write(msg.data(), msg.size());
  }
  // Nothing more is tried once the person asked to stop.
  bool Going() const { return !cancel_.Requested(); }
  // Sets the profile of the reads that follow.
  void UseProfile(const TimeoutProfile& profile, int64_t firstByteBoundUs = kUnboundedUs);
  // Reads from the receiver under the current profile, but never past the total bound
  // on its silence: once it has said nothing for that long, every read ends at once.
  size_t Receive(uint8_t* data, size_t n);
  size_t ReadFile(uint8_t* data, size_t n);
  int Percent() const { return fileLength_ > 0 ? static_cast<int>(filePos_ * kPercent / fileLength_) : 0; }
  // Closes the file and releases the port, then tells the person why (a cancelled
  // download says that it was cancelled, whatever step it ended in).
  bool Fail(const std::string& message);

  IReporter& reporter_;
  ISerialLinkFactory& factory_;
  const AppOptions& options_;
  CancelWatch cancel_;
  FileHandle file_;
  long long fileLength_ = 0;
  long long filePos_ = 0;
  std::unique_ptr<ISerialPort> port_;
  TimeoutProfile profile_ = kStandardProfile;
  int64_t firstByteBoundUs_ = kUnboundedUs;
  // When the receiver last sent a byte (or the download started).
  int64_t lastHeardUs_ = 0;
  std::array<uint8_t, kImageHeaderBytes> header_{};
  std::array<uint8_t, kAnnouncementBytes> announcement_{};
  std::vector<uint8_t> frame_;
};

bool FlashDownload::Fail(const std::string& message) {
  file_.reset();
  port_.reset();
  const bool cancelled = cancel_.Requested();
  cancel_.End();
  reporter_.MessageBox(cancelled ? kDownloadCancelledMessage : message);
  return false;
}

size_t FlashDownload::ReadFile(uint8_t* data, size_t n) {
  const size_t got = std::fread(data, 1, n, file_.get());
  filePos_ += static_cast<long long>(got);
  return got;
}

bool FlashDownload::ExpectAck() {
  uint8_t answer[kControlMessageBytes];
  return Receive(answer, kControlMessageBytes) == kControlMessageBytes && IsMessage(answer, kAck);
}

void FlashDownload::UseProfile(const TimeoutProfile& profile, int64_t firstByteBoundUs) {
  profile_ = profile;
  firstByteBoundUs_ = firstByteBoundUs;
}

size_t FlashDownload::Receive(uint8_t* data, size_t n) {
  if (cancel_.Stopped()) return 0;
  IClock& clock = factory_.Clock();
  const int64_t leftUs = lastHeardUs_ + factory_.Bounds().downloadSilenceUs - clock.NowUs();
  if (leftUs <= 0) return 0;
  const int64_t bound = firstByteBoundUs_ == kUnboundedUs ? leftUs : std::min(firstByteBoundUs_, leftUs);
  port_->SetTimeouts(profile_, bound);
  const size_t got = port_->Read(data, n);
  if (got > 0) lastHeardUs_ = clock.NowUs();
  return got;
}

bool FlashDownload::Run(const std::string& path) {
  reporter_.ShowMessage(std::string(kClearAllMessage));
  FileFailure failure;
  FileIdentity opened;
  const int fd = OpenInputFile(path, failure, &opened);
  file_ = FileHandle(fd >= 0 ? fdopen(fd, "rb") : nullptr);
  if (!file_) {
    if (fd >= 0) {
      failure = FailureFromErrno(path, errno);
      close(fd);
    }
    reporter_.MessageBox(WithFailure(Format("Fail to open input file %s\n", path.c_str()), failure));
    return false;
  }
  fileLength_ = opened.size;

  port_ = OpenReceiverPort(factory_, options_, reporter_);
  if (!port_) {
    file_.reset();
    return false;
  }
  reporter_.ShowMessage("serial initialize\r\n");
  SetLineOrWarn(*port_, reporter_);
  UseProfile(kStandardProfile);
  reporter_.ShowMessage("Try to make connection...\r\n");
  UseProfile(kConnectProfile);
  lastHeardUs_ = factory_.Clock().NowUs();

  if (!Connect()) return Fail("Connetion fail with STB.\n");
  if (!SendImageHeader()) return false;
  for (;;) {
    const PacketResult r = SendPacket();
    if (r == PacketResult::Failed) return false;
    if (r == PacketResult::EndOfFile) break;
  }
  return Terminate();
}

bool FlashDownload::Connect() {
  int failures = 0;
  size_t k = 0;  // resynchronisation offset
  int completeReads = 0;
  bool connected = false;
  uint8_t buf[kMaxResyncOffset + kControlMessageBytes];
  while (!connected && failures < kConnectFailuresAllowed && Going()) {
    reporter_.ShowMessage("Waitiing Message from Satellite Receiver\r\n");
    if (Receive(buf, k + kControlMessageBytes) < k + kControlMessageBytes) {
      ++failures;
      continue;
    }
    ++completeReads;
    if (!IsMessage(buf + k, kDnOperReq)) {
      const int start = FindReadyMessageStart(buf);
      if (start >= 0) k = static_cast<size_t>(start);
      Send(kErr);
      ++failures;
      continue;
    }
    Send(kAck);
    uint8_t answer[kControlMessageBytes];
    const size_t got = Receive(answer, kControlMessageBytes);
    if (got == kControlMessageBytes && IsMessage(answer, kNxt)) {
      connected = true;
    } else if (got == kControlMessageBytes) {
      Send(kErr);  // a wrong answer is not counted: the receiver starts over
    }
  }
  UseProfile(kStandardProfile, factory_.Bounds().downloadReadUs);
  if (!connected) return false;
  reporter_.ShowMessage(
      Format("CONNECTING \r\n=> 1.Waiting DN_OPER_REQ from STB \r\n=>COMPLETE while read %d times\r\n",
             completeReads));
  reporter_.ShowMessage("\r\nConnetion established...\r\n");
  return true;
}

bool FlashDownload::SendImageHeader() {
  const size_t got = ReadFile(header_.data(), kImageHeaderBytes);
  reporter_.SetFrameProgress(Percent());
  if (got < kImageHeaderBytes) return Fail("ERRER in reading file header.\n");
  if (header_[0] != kImageMagic0 || header_[1] != kImageMagic1)
    return Fail("File header format is not correct.\n");
  bool acked = false;
  for (int attempt = 1; attempt <= kSendAttempts && !acked && Going(); ++attempt) {
    reporter_.ShowMessage(Format("send DN_HEADER => %d times\r\n", attempt));
    port_->Write(header_.data(), header_.size());
    acked = ExpectAck();
  }
  if (!acked) return Fail("\nSTB doesn't ack.\n");
  reporter_.ShowMessage("\r\nNow, we start to send data packet\r\n");
  return true;
}

FlashDownload::PacketResult FlashDownload::SendPacket() {
  // The NXT goes out before the file is looked at, so the receiver also sees one after
  // the last packet, followed by DIS.
  Send(kNxt);
  uint8_t* const packet = frame_.data();
  const size_t got = ReadFile(packet, kPacketHeaderBytes);
  reporter_.SetFrameProgress(Percent());
  if (got == 0) return PacketResult::EndOfFile;
  if (got < kPacketHeaderBytes) {
    Fail("\nERROR in reading File read error.\n");
    return PacketResult::Failed;
  }
  const uint32_t n = GetBe32(packet + kPacketLengthOffset);
  if (packet[0] != kPacketMagic || packet[1] != kPacketMagic || n > kMaxPacketDataBytes) {
    Fail("File packet information is not correct.\n");
    return PacketResult::Failed;
  }

  BuildAnnouncement(announcement_, n, header_[kImageHeaderPacketCountLowOffset]);
  bool acked = false;
  for (int attempt = 1; attempt <= kSendAttempts && !acked && Going(); ++attempt) {
    port_->Write(announcement_.data(), announcement_.size());
    acked = ExpectAck();
  }
  if (!acked) {
    Fail("\nSTB doesn't ack\n");
    return PacketResult::Failed;
  }

  Send(kNxt);
  Pause();
  const size_t rest = n + kPacketCrcBytes;
  const size_t restGot = ReadFile(packet + kPacketHeaderBytes, rest);
  reporter_.SetFrameProgress(Percent());
  reporter_.RepaintStatusBar();
  if (restGot < rest) {
    Fail("\nFile read error.\n");
    return PacketResult::Failed;
  }
  reporter_.SetProgress(Percent(), kProgressShow);

  // The receiver takes the frame byte by byte, one write call each.
  const size_t frameBytes = kPacketHeaderBytes + rest;
  for (int attempt = 1; attempt <= kSendAttempts && Going(); ++attempt) {
    for (size_t i = 0; i < frameBytes && !cancel_.Stopped(); ++i) port_->Write(packet + i, 1);
    if (ExpectAck()) return PacketResult::Sent;
    Pause();
  }
  Fail("\nAborting to send data due to communication problems!\n");
  return PacketResult::Failed;
}

bool FlashDownload::Terminate() {
  // An unacknowledged DIS does not stop the download: the verdict decides.
  for (int attempt = 1; attempt <= kSendAttempts && Going(); ++attempt) {
    Send(kDis);
    if (ExpectAck()) break;
  }
  reporter_.ShowMessage("\r\nWaiting termination message from STB.\r\n");
  bool stored = false;
  for (int read = 0; read < kTerminationReads && Going(); ++read) {
    uint8_t verdict[kControlMessageBytes];
    if (Receive(verdict, kControlMessageBytes) < kControlMessageBytes) continue;
    if (IsMessage(verdict, kPok)) {
      stored = true;
      break;
    }
    if (IsMessage(verdict, kPer)) break;
  }
  reporter_.ShowMessage("\r\nDisconnecting serial port\r\n");
  if (!stored) return Fail("Flash download is terminated abnormally\n");
  file_.reset();
  port_.reset();
  cancel_.End();
  reporter_.MessageBox("Flash download is terminated successfully.\n");
  return true;
}

}  // namespace

bool DownloadImage(CListDB& db, const std::string& path) {
  ISerialLinkFactory& factory = db.linkFactory ? *db.linkFactory : DefaultLinkFactory();
  return FlashDownload(db.Reporter(), factory, db.Options()).Run(path);
}

bool DownloadCurrentList(CListDB& db) {
  return DownloadImage(db, DerivedPath(db.FilePath(), kExtBin));
}

}  // namespace lumoscope
