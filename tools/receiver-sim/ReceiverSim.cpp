#include "tools/receiver-sim/ReceiverSim.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstring>

#include "base/Crc.h"
#include "base/Sections.h"
#include "transfer/DownloadProtocol.h"

namespace lumoscope::sim {
namespace {

// Slice of every wait, so Stop() is noticed quickly.
constexpr int kPollSliceMs = 5;
// Quiet slices after Stop() before the console gives up on bytes still on their way.
constexpr int kFinalReadSlices = 20;
// An 8N1 line carries 10 bits per byte.
constexpr int64_t kBitsPerByte = 10;
constexpr int64_t kUsPerSecond = 1'000'000;

constexpr uint8_t kEscapeKey = 0x1B;
constexpr std::string_view kPrompt = "\r\nSTB>";
// The prompt's name, the end of a prompt line of a chosen length.
constexpr std::string_view kPromptName = "STB";
constexpr std::string_view kListingPrefix = "CH_DUMP||";
constexpr std::string_view kStatusLine = "scanning flash...\r\n";
// What the receiver answers instead of ACK when it does not like a message, and instead
// of NXT in the wrong-answer fault.
constexpr ControlMessage kNak = kErr;
constexpr ControlMessage kWrongAnswer = MakeControlMessage('W', 'H', 'O');

int64_t NowUs() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void SleepUntil(int64_t us) {
  const int64_t d = us - NowUs();
  if (d > 0) std::this_thread::sleep_for(std::chrono::microseconds(d));
}

std::string AsString(const ControlMessage& m) {
  return std::string(m.begin(), m.end());
}

const uint8_t* Bytes(const std::string& s) {
  return reinterpret_cast<const uint8_t*>(s.data());
}

bool CrcMatches(const std::string& block, size_t crcOffset) {
  return Crc32(std::span<const uint8_t>(Bytes(block), crcOffset)) == GetBe32(Bytes(block) + crcOffset);
}

}  // namespace

ReceiverSimulator::ReceiverSimulator(SimOptions options) : options_(std::move(options)) {}

ReceiverSimulator::~ReceiverSimulator() {
  Stop();
}

bool ReceiverSimulator::Open() {
  return pty_.Open();
}

void ReceiverSimulator::Start() {
  stop_ = false;
  thread_ = std::thread([this] { Run(); });
}

void ReceiverSimulator::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void ReceiverSimulator::PowerCycle() {
  WhileOff([this] {
    if (const std::optional<std::string> listing = ListingOfFlash(flashed_)) options_.channelList = *listing;
    mode_ = Mode::BootLoader;
    muted_ = false;
    rx_.clear();
  });
}

void ReceiverSimulator::SetChannelList(std::string list) {
  WhileOff([this, &list] { options_.channelList = std::move(list); });
}

void ReceiverSimulator::Run() {
  while (!Stopping()) {
    if (options_.silent) {
      DrainUntilStop();
      break;
    }
    if (mode_ == Mode::Console) {
      ServeConsole();
    } else if (WaitForConnection()) {
      ServeDownload();
    }
  }
}

void ReceiverSimulator::DrainUntilStop() {
  while (!Stopping()) {
    std::string discarded;
    if (pty_.ReadAvailable(discarded, kPollSliceMs)) result_.bytesFromPc += discarded.size();
  }
}

void ReceiverSimulator::PaceReceived(size_t n) {
  if (options_.baud <= 0) return;
  rxLineDoneUs_ = std::max(rxLineDoneUs_, NowUs()) +
                  static_cast<int64_t>(n) * kBitsPerByte * kUsPerSecond / options_.baud;
}

bool ReceiverSimulator::Receive(size_t n, std::string& out, int timeoutMs) {
  const int64_t deadline = NowUs() + static_cast<int64_t>(timeoutMs) * 1000;
  while (rx_.size() < n) {
    if (Stopping() || NowUs() >= deadline) return false;
    std::string chunk;
    if (!pty_.ReadAvailable(chunk, kPollSliceMs)) {
      if (!pty_.PeerPresent()) return false;
      continue;
    }
    result_.bytesFromPc += chunk.size();
    PaceReceived(chunk.size());
    rx_ += chunk;
  }
  out = rx_.substr(0, n);
  rx_.erase(0, n);
  return true;
}

void ReceiverSimulator::Send(const uint8_t* data, size_t n) {
  if (options_.baud > 0) {
    // An answer goes out once the message it answers has crossed the line (the receive
    // side is paced here, in one sleep with the send side).
    txLineFreeUs_ = std::max({txLineFreeUs_, rxLineDoneUs_, NowUs()}) +
                    static_cast<int64_t>(n) * kBitsPerByte * kUsPerSecond / options_.baud;
    SleepUntil(txLineFreeUs_);
  }
  if (pty_.WriteAll(data, n)) result_.bytesToPc += n;
}

bool ReceiverSimulator::WaitForConnection() {
  bool shifted = options_.readyShift <= 0;
  int64_t nextReadyUs = 0;  // the first ready message goes out as soon as a PC is there
  rx_.clear();
  while (!Stopping()) {
    if (!pty_.PeerPresent()) {
      // Nobody on the line: the first ready message goes out as soon as somebody is.
      rx_.clear();
      nextReadyUs = 0;
      std::this_thread::sleep_for(std::chrono::milliseconds(kPollSliceMs));
      continue;
    }
    if (NowUs() >= nextReadyUs) {
      if (!shifted) {
        Send(std::string(static_cast<size_t>(std::min(options_.readyShift, 7)), '.'));
        shifted = true;
      }
      Send(kDnOperReq.data(), kDnOperReq.size());
      nextReadyUs = NowUs() + static_cast<int64_t>(options_.readyIntervalMs) * 1000;
    }
    std::string chunk;
    if (pty_.ReadAvailable(chunk, kPollSliceMs)) {
      result_.bytesFromPc += chunk.size();
      rx_ += chunk;
    }
    const size_t esc = rx_.find(static_cast<char>(kEscapeKey));
    if (esc != std::string::npos) {
      // Somebody is typing: the receiver is running and its console answers.
      rx_.erase(0, esc);
      mode_ = Mode::Console;
      return false;
    }
    const size_t ack = rx_.find(AsString(kAck));
    if (ack == std::string::npos) {
      if (rx_.size() > kControlMessageBytes) rx_.erase(0, rx_.size() - (kControlMessageBytes - 1));
      continue;
    }
    rx_.erase(0, ack + kControlMessageBytes);
    if (options_.wrongAnswersToAck > 0) {
      --options_.wrongAnswersToAck;
      Send(kWrongAnswer.data(), kWrongAnswer.size());
      continue;
    }
    Send(kNxt.data(), kNxt.size());
    return true;
  }
  return false;
}

void ReceiverSimulator::ServeDownload() {
  if (!ReceiveImageHeader()) return;
  const int timeout = options_.messageTimeoutMs;
  for (;;) {
    std::string m;
    if (!Receive(kControlMessageBytes, m, timeout)) return;
    if (m != AsString(kNxt)) {
      ++result_.protocolErrors;
      return;
    }
    if (!Receive(kControlMessageBytes, m, timeout)) return;
    if (m == AsString(kDis)) {
      result_.disReceived = true;
      Send(kAck.data(), kAck.size());
      size_t total = 0;
      for (const auto& [address, data] : result_.image) total += data.size();
      const bool good = !options_.reportFailure && result_.headerReceived &&
                        result_.packetsStored == result_.headerPacketCount &&
                        total == result_.headerTotalBytes;
      if (good) flashed_ = result_.image;
      const ControlMessage& verdict = good ? kPok : kPer;
      Send(verdict.data(), verdict.size());
      result_.verdictSent = true;
      result_.verdictWasPok = good;
      return;
    }
    if (!ReceivePacket(m)) return;
    if (options_.hangUpAfterPackets >= 0 &&
        result_.packetsStored == static_cast<size_t>(options_.hangUpAfterPackets)) {
      DrainUntilStop();
      return;
    }
  }
}

bool ReceiverSimulator::ReceiveImageHeader() {
  const int timeout = options_.messageTimeoutMs;
  std::string header;
  if (!Receive(kControlMessageBytes, header, timeout)) return false;
  if (header == AsString(kErr)) return false;  // the PC did not take our NXT: start over
  std::string rest;
  if (!Receive(kImageHeaderBytes - kControlMessageBytes, rest, timeout)) return false;
  header += rest;
  for (;;) {
    const bool valid = static_cast<uint8_t>(header[0]) == kImageMagic0 &&
                       static_cast<uint8_t>(header[1]) == kImageMagic1 &&
                       CrcMatches(header, kImageHeaderCrcOffset);
    if (!valid) ++result_.crcErrors;
    if (valid && options_.badHeaderAcks <= 0) break;
    if (valid) --options_.badHeaderAcks;
    Send(kNak.data(), kNak.size());
    if (!Receive(kImageHeaderBytes, header, timeout)) return false;
  }
  Send(kAck.data(), kAck.size());
  result_.headerReceived = true;
  result_.headerTotalBytes = GetBe32(Bytes(header) + 4);
  result_.headerPacketCount = GetBe16(Bytes(header) + 8);
  result_.image.clear();
  result_.packetsStored = 0;
  result_.announcementByte9.clear();
  headerByte9_ = static_cast<uint8_t>(header[kImageHeaderPacketCountLowOffset]);
  nextSequence_ = 0;
  return true;
}

bool ReceiverSimulator::ReceivePacket(const std::string& firstEight) {
  const int timeout = options_.messageTimeoutMs;
  const bool faulty = result_.packetsStored == options_.faultPacket;
  std::string ann = firstEight;
  std::string rest;
  if (!Receive(kAnnouncementBytes - kControlMessageBytes, rest, timeout)) return false;
  ann += rest;
  uint32_t n = 0;
  for (;;) {
    n = GetBe32(Bytes(ann) + 1);
    result_.announcementByte9.push_back(static_cast<uint8_t>(ann[9]));
    const bool valid = static_cast<uint8_t>(ann[0]) == kStx && GetBe32(Bytes(ann) + 5) == ~n &&
                       n <= kMaxPacketDataBytes && CrcMatches(ann, kAnnouncementCrcOffset);
    if (!valid) ++result_.crcErrors;
    if (valid && !(faulty && options_.badAnnouncementAcks > 0)) break;
    if (valid) --options_.badAnnouncementAcks;
    Send(kNak.data(), kNak.size());
    if (!Receive(kAnnouncementBytes, ann, timeout)) return false;
  }
  Send(kAck.data(), kAck.size());

  std::string m;
  if (!Receive(kControlMessageBytes, m, timeout)) return false;
  if (m != AsString(kNxt)) {
    ++result_.protocolErrors;
    return false;
  }
  const size_t frameBytes = kPacketHeaderBytes + n + kPacketCrcBytes;
  std::string frame;
  for (;;) {
    if (!Receive(frameBytes, frame, timeout)) return false;
    const uint8_t* f = Bytes(frame);
    const bool valid = f[0] == kPacketMagic && f[1] == kPacketMagic &&
                       GetBe16(f + kPacketSequenceOffset) == nextSequence_ &&
                       GetBe32(f + kPacketLengthOffset) == n && CrcMatches(frame, kPacketHeaderBytes + n);
    if (!valid) ++result_.crcErrors;
    if (valid && !(faulty && options_.badFrameAcks > 0)) break;
    if (valid) --options_.badFrameAcks;
    Send(kNak.data(), kNak.size());
  }
  const uint8_t* f = Bytes(frame);
  result_.image[GetBe32(f + kPacketAddressOffset)] =
      std::vector<uint8_t>(f + kPacketHeaderBytes, f + kPacketHeaderBytes + n);
  ++result_.packetsStored;
  ++nextSequence_;
  Send(kAck.data(), kAck.size());
  return true;
}

void ReceiverSimulator::ServeConsole() {
  bool awake = false;
  bool continued = false;
  // The listing's own prompt answers the line ends the PC typed after the dump command.
  bool listingJustEnded = false;
  std::string line;
  int quietSlicesWhileStopping = 0;
  for (;;) {
    if (rx_.empty()) {
      // When asked to stop, what the PC typed last is still taken in: the terminal layer
      // may still be passing it on after the PC closed its side.
      std::string chunk;
      if (!pty_.ReadAvailable(chunk, kPollSliceMs)) {
        if (Stopping() && ++quietSlicesWhileStopping >= kFinalReadSlices) return;
        continue;
      }
      result_.bytesFromPc += chunk.size();
      rx_ = chunk;
    }
    std::string input;
    input.swap(rx_);
    for (const char c : input) {
      if (static_cast<uint8_t>(c) == kEscapeKey) {
        awake = true;
        muted_ = false;
        listingJustEnded = false;
        line.clear();
        Print(std::string(kPrompt));
      } else if (!awake || c == '\n' || c == '\0') {
        continue;
      } else if (c == '\r') {
        if (line.empty() && listingJustEnded) {
          // Answered already.
        } else if (line == "dumpch") {
          PrintListing();
          listingJustEnded = true;
          if (options_.listingEnd == ListingEnd::Freeze) {
            // A frozen receiver takes what it is sent and does nothing with it.
            DrainUntilStop();
            return;
          }
        } else if (line == "go") {
          listingJustEnded = false;
          result_.continueReceived = true;
          Print("\r\n");
          awake = false;
          continued = true;
        } else {
          listingJustEnded = false;
          Print(std::string(kPrompt));
        }
        line.clear();
      } else {
        line += c;
        Print(std::string(1, c));  // the console echoes what is typed
      }
    }
    if (continued) {
      // The upload is over. A technician switches the receiver off and on before a
      // download; the simulated one spares that: its boot loader waits again at once.
      mode_ = Mode::BootLoader;
      return;
    }
  }
}

void ReceiverSimulator::PrintListing() {
  result_.listingPrinted = true;
  const size_t before = result_.bytesToPc;
  Send("\r\n");
  // The receiver prints its list from the first section header on; blank lines and
  // comments in front of it in the file given to the simulator are not part of it.
  const std::string& list = options_.channelList;
  size_t start = list.starts_with('[') ? 0 : list.find("\n[");
  start = start == std::string::npos ? list.size() : (start == 0 ? 0 : start + 1);
  const bool cutShort = options_.listingEnd == ListingEnd::Stop || options_.listingEnd == ListingEnd::Freeze;
  const int lines = options_.listingLines >= 0 ? options_.listingLines
                    : cutShort                 ? kDefaultCutListingLines
                                               : INT_MAX;
  for (int printed = 0; start < list.size(); ++printed) {
    if (printed >= lines) break;
    size_t end = list.find('\n', start);
    if (end == std::string::npos) end = list.size();
    std::string text = list.substr(start, end - start);
    if (!text.empty() && text.back() == '\r') text.pop_back();
    Send(std::string(kListingPrefix) + text + "\r\n");
    start = end + 1;
  }
  switch (options_.listingEnd) {
    case ListingEnd::Marker:
      Send(std::string(kListingPrefix) + std::string(kEndHeader) + "\r\n" + std::string(kPrompt));
      break;
    case ListingEnd::PromptOnly:
      if (options_.promptLineLength > 0) {
        const auto length = static_cast<size_t>(options_.promptLineLength);
        std::string line = std::string(kPromptName).substr(0, length - 1);
        line.insert(0, length - 1 - line.size(), '-');
        Send(std::string(kListingPrefix) + line + ">");
      } else {
        Send(std::string(kPrompt));
      }
      break;
    case ListingEnd::Never:
      while (!Stopping() && pty_.PeerPresent()) Send(std::string(kStatusLine));
      break;
    case ListingEnd::Stop:
      muted_ = true;
      break;
    case ListingEnd::Freeze:
      break;
  }
  result_.consoleBytesWritten = result_.bytesToPc - before;
}

}  // namespace lumoscope::sim
