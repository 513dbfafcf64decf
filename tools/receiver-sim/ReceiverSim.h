#pragma once
// A receiver on a pseudo-terminal, for trying the program without hardware and for the
// tests. It plays both sides of the receiver the PC talks to:
// - the boot loader that takes a flash download: it repeats its ready message while it
//   waits, checks every header, announcement and frame (lengths and CRC-32), stores the
//   image by load address, acknowledges, and answers POK (stored) or PER;
// - the text console: it wakes on the escape key, answers with its prompt, prints the
//   channel list on "dumpch" ("CH_DUMP||" in front of each line, then "[END]" and the
//   prompt) and goes on after "go".
// Switched off and on (PowerCycle), it runs the list of the image last flashed into it,
// and its console prints that list from then on.
// Faults can be switched on to see how the PC copes.
#include <atomic>
#include <cstdint>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "tools/receiver-sim/ImageListing.h"
#include "tools/receiver-sim/PseudoTerminal.h"

namespace lumoscope::sim {

// How the console's listing ends.
enum class ListingEnd {
  Marker,      // "[END]" on its own prefixed line, then the prompt
  PromptOnly,  // the prompt line (see promptLineLength), without "[END]"
  Never,       // status lines without end
  Stop,        // nothing more, as when the cable is pulled: the console says nothing
               // until it is woken again, but still takes "go"
  Freeze,      // the receiver hangs: it takes and answers nothing
};

// Lines of the list printed before a Stop or Freeze when no number is given.
inline constexpr int kDefaultCutListingLines = 2;

struct SimOptions {
  // The channel list the console prints (lines separated by LF or CR LF).
  std::string channelList;
  // Bytes of noise in front of the first ready message (the message arrives shifted).
  int readyShift = 0;
  // Pause between two ready messages while the boot loader waits, in ms.
  int readyIntervalMs = 200;
  // Answers other than NXT given to the PC's ACK of the ready message.
  int wrongAnswersToAck = 0;
  // Says nothing at all, to anybody.
  bool silent = false;
  // Bad answers instead of ACK: to the image header, to the announcement and to the
  // frame of packet `faultPacket`.
  int badHeaderAcks = 0;
  int badAnnouncementAcks = 0;
  int badFrameAcks = 0;
  size_t faultPacket = 0;
  // Reports PER at the end even when the image was good.
  bool reportFailure = false;
  // Falls silent (still taking bytes off the line) after this many packets; -1: never.
  int hangUpAfterPackets = -1;
  ListingEnd listingEnd = ListingEnd::Marker;
  // Lines of the list printed before the listing ends; -1: the whole list (but
  // kDefaultCutListingLines before a Stop or Freeze).
  int listingLines = -1;
  // How a PromptOnly listing ends: 0 prints the bare prompt on a line of its own; N > 0
  // prints the listing prefix and then a prompt line of N characters ending in ">", as a
  // receiver does whose prompt follows its last prefix.
  int promptLineLength = 0;
  // Line rate to pace the traffic at, in bits per second (10 bits per byte on an 8N1
  // line); 0 runs as fast as the pseudo-terminal goes.
  int baud = 0;
  // How long the receiver waits for the next message of a download before it gives the
  // session up, in ms.
  int messageTimeoutMs = 3000;
};

// What the receiver saw and did.
struct SimResult {
  bool headerReceived = false;
  uint32_t headerTotalBytes = 0;
  uint16_t headerPacketCount = 0;
  size_t packetsStored = 0;
  std::vector<uint8_t> announcementByte9;  // byte 9 of every announcement received
  // The stored image: data by load address.
  std::map<uint32_t, std::vector<uint8_t>> image;
  bool disReceived = false;
  bool verdictSent = false;
  bool verdictWasPok = false;
  // Messages of the PC that were not what the receiver expected.
  int protocolErrors = 0;
  int crcErrors = 0;
  bool listingPrinted = false;
  bool continueReceived = false;
  size_t consoleBytesWritten = 0;
  // Bytes that crossed the line in each direction (for the line-rate comparison).
  size_t bytesFromPc = 0;
  size_t bytesToPc = 0;
};

class ReceiverSimulator {
 public:
  explicit ReceiverSimulator(SimOptions options);
  ~ReceiverSimulator();
  ReceiverSimulator(const ReceiverSimulator&) = delete;
  ReceiverSimulator& operator=(const ReceiverSimulator&) = delete;

  // Creates the pseudo-terminal; false when that fails.
  bool Open();
  const std::string& DevicePath() const { return pty_.SlavePath(); }

  // Plays the receiver until Stop(), on this thread.
  void Run();
  // Plays it on a thread of its own.
  void Start();
  // Ends Run() and joins the thread Start() made.
  void Stop();

  // Valid after Stop() (or once Run() returned).
  const SimResult& Result() const { return result_; }

  // Switches the receiver off and on: it stops answering for that moment, forgets what
  // it was doing, and then runs the list of the last image it stored (and acknowledged
  // with POK), when that image holds a list it can read. Runs on again if it was running.
  void PowerCycle();
  // The list the console prints on "dumpch" now (it changes only while the receiver is
  // off).
  const std::string& ChannelList() const { return options_.channelList; }
  // Gives the receiver another list, as a person does who edits channels with the remote
  // control. Runs on again if it was running.
  void SetChannelList(std::string list);

 private:
  enum class Mode { BootLoader, Console };

  bool Stopping() const { return stop_.load(); }
  // Waits up to timeoutMs for n bytes of the PC; false on time-out, stop or hang-up.
  bool Receive(size_t n, std::string& out, int timeoutMs);
  void Send(const uint8_t* data, size_t n);
  void Send(const std::string& text) { Send(reinterpret_cast<const uint8_t*>(text.data()), text.size()); }
  // What the console prints; nothing while it is muted.
  void Print(const std::string& text) {
    if (!muted_) Send(text);
  }
  void PaceReceived(size_t n);
  void DrainUntilStop();

  bool WaitForConnection();
  void ServeDownload();
  bool ReceiveImageHeader();
  bool ReceivePacket(const std::string& firstEight);
  void ServeConsole();
  void PrintListing();

  // Stops the receiver for a change of its state, and starts it again afterwards when it
  // was running.
  template <typename Change>
  void WhileOff(const Change& change) {
    const bool running = thread_.joinable();
    Stop();
    change();
    if (running) Start();
  }

  SimOptions options_;
  PseudoTerminal pty_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  SimResult result_;
  Mode mode_ = Mode::BootLoader;
  bool muted_ = false;     // the console's output is cut off (ListingEnd::Stop)
  std::string rx_;         // bytes of the PC not yet used
  FlashContents flashed_;  // the last image stored with POK
  uint8_t headerByte9_ = 0;
  uint16_t nextSequence_ = 0;
  int64_t txLineFreeUs_ = 0;
  int64_t rxLineDoneUs_ = 0;
};

}  // namespace lumoscope::sim
