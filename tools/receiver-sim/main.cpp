// receiver-sim: a satellite receiver on a pseudo-terminal. Prints the device path to give
// lumoscope-cli (--device PATH) or the desktop's port options, then answers flash
// downloads and console uploads until interrupted. SIGHUP switches it off and on.
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/FileContents.h"
#include "lumoscope/Version.h"
#include "tools/receiver-sim/ReceiverSim.h"

namespace {

// Printed after "usage: NAME [options]"; the simulator is installed under a longer name
// than it has in the build folder.
constexpr const char* kOptions =
    "  --help                    show this text\n"
    "  --version                 show the version\n"
    "  --list FILE               channel list the console prints on \"dumpch\"\n"
    "  --baud N                  pace the line at N bit/s (115200 for the real rate)\n"
    "  --ready-interval MS       pause between two ready messages (default 200)\n"
    "SIGHUP (kill -HUP) switches the receiver off and on: it then runs, and its console\n"
    "prints, the list last downloaded into it.\n"
    "faults:\n"
    "  --shift K                 K bytes of noise before the first ready message (0..7)\n"
    "  --wrong-answers N         answer the PC's ACK N times with something else than NXT\n"
    "  --silent                  say nothing at all\n"
    "  --bad-header-acks N       refuse the image header N times\n"
    "  --bad-announcement-acks N refuse the announcement of the fault packet N times\n"
    "  --bad-frame-acks N        refuse the frame of the fault packet N times\n"
    "  --fault-packet I          the packet those faults hit (default 0)\n"
    "  --per                     report PER at the end\n"
    "  --hang-up-after N         fall silent after N packets\n"
    "  --listing end|prompt|never|stop|freeze\n"
    "                            how the console listing ends (default end); stop: it just\n"
    "                            stops, freeze: the receiver hangs (after --listing-lines)\n"
    "  --listing-lines N         lines of the list printed before the listing ends\n"
    "                            (default: all of them; 2 before a stop or freeze)\n"
    "  --prompt-line N           with --listing prompt: the prompt line that ends the\n"
    "                            listing has N characters and follows the listing prefix\n"
    "                            (default 0: the bare prompt on a line of its own)\n";

bool ParseInt(const char* text, int& out) {
  char* end = nullptr;
  const long v = std::strtol(text, &end, 10);
  if (end == text || *end != '\0') return false;
  out = static_cast<int>(v);
  return true;
}

bool ParseArgs(int argc, char** argv, lumoscope::sim::SimOptions& o) {
  using lumoscope::sim::ListingEnd;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasValue = i + 1 < argc;
    int v = 0;
    auto number = [&](int& field) {
      if (!hasValue || !ParseInt(argv[++i], v)) return false;
      field = v;
      return true;
    };
    if (a == "--silent") {
      o.silent = true;
    } else if (a == "--per") {
      o.reportFailure = true;
    } else if (a == "--list" && hasValue) {
      lumoscope::FileFailure failure;
      if (!lumoscope::ReadInputFile(argv[++i], o.channelList, failure)) {
        const std::string message =
            lumoscope::WithFailure(std::string("receiver-sim: cannot read ") + argv[i], failure);
        std::fprintf(stderr, "%s\n", message.c_str());
        return false;
      }
    } else if (a == "--listing" && hasValue) {
      const std::string e = argv[++i];
      if (e == "end") {
        o.listingEnd = ListingEnd::Marker;
      } else if (e == "prompt") {
        o.listingEnd = ListingEnd::PromptOnly;
      } else if (e == "never") {
        o.listingEnd = ListingEnd::Never;
      } else if (e == "stop") {
        o.listingEnd = ListingEnd::Stop;
      } else if (e == "freeze") {
        o.listingEnd = ListingEnd::Freeze;
      } else {
        return false;
      }
    } else if (a == "--fault-packet") {
      int p = 0;
      if (!number(p) || p < 0) return false;
      o.faultPacket = static_cast<size_t>(p);
    } else if (!((a == "--baud" && number(o.baud)) ||
                 (a == "--ready-interval" && number(o.readyIntervalMs)) ||
                 (a == "--shift" && number(o.readyShift)) ||
                 (a == "--wrong-answers" && number(o.wrongAnswersToAck)) ||
                 (a == "--bad-header-acks" && number(o.badHeaderAcks)) ||
                 (a == "--bad-announcement-acks" && number(o.badAnnouncementAcks)) ||
                 (a == "--bad-frame-acks" && number(o.badFrameAcks)) ||
                 (a == "--hang-up-after" && number(o.hangUpAfterPackets)) ||
                 (a == "--listing-lines" && number(o.listingLines)) ||
                 (a == "--prompt-line" && number(o.promptLineLength)))) {
      return false;
    }
  }
  return o.readyShift >= 0 && o.readyShift <= 7 && o.baud >= 0 && o.readyIntervalMs > 0 &&
         o.listingLines >= -1 && o.promptLineLength >= 0;
}

void PrintUsage(std::FILE* to, const std::string& name) {
  std::fprintf(to, "usage: %s [options]\n%s", name.c_str(), kOptions);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string name = std::filesystem::path(argc > 0 ? argv[0] : "receiver-sim").filename().string();
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--version") {
      std::printf("%s %s\n", name.c_str(), lumoscope::kProgramVersion);
      return 0;
    }
    if (arg == "--help") {
      PrintUsage(stdout, name);
      return 0;
    }
  }
  lumoscope::sim::SimOptions options;
  if (!ParseArgs(argc, argv, options)) {
    PrintUsage(stderr, name);
    return 2;
  }
  // The simulator thread must not take the interrupt; the main thread waits for it.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGHUP);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  lumoscope::sim::ReceiverSimulator receiver(options);
  if (!receiver.Open()) {
    std::perror("receiver-sim: cannot create a pseudo-terminal");
    return 1;
  }
  std::printf("%s\n", receiver.DevicePath().c_str());
  std::fflush(stdout);
  receiver.Start();
  for (int sig = SIGHUP; sig == SIGHUP;) {
    sigwait(&stopSignals, &sig);
    if (sig == SIGHUP) receiver.PowerCycle();
  }
  receiver.Stop();

  const lumoscope::sim::SimResult& r = receiver.Result();
  std::fprintf(stderr, "receiver-sim: %zu packets stored, verdict %s, %zu bytes from the PC, %zu to it\n",
               r.packetsStored, r.verdictSent ? (r.verdictWasPok ? "POK" : "PER") : "none", r.bytesFromPc,
               r.bytesToPc);
  return 0;
}
