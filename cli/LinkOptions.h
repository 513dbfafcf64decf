#pragma once
// The options of every command that talks to the receiver: the port by number or any
// serial device by path, and the trace of the bytes on the line.
#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "base/Options.h"
#include "transfer/PosixLinkFactory.h"
#include "transfer/WireTrace.h"

namespace lumoscope::cli {

struct LinkArgs {
  std::string device;
  int port = 1;
  bool trace = false;
};

// --device PATH, --port 1..4 (one or the other) and --trace. The options made, for a
// command that takes them only together with another.
struct LinkOptionSet {
  CLI::Option* device;
  CLI::Option* port;
  CLI::Option* trace;
};
LinkOptionSet AddLinkOptions(CLI::App& command, LinkArgs& args);

// Ctrl+C or SIGTERM stops a transfer the way the window's Cancel does: the port
// released within a second, nothing written.
class InterruptionCancel final : public ITransferCancel {
 public:
  void Begin() override {}
  void End() override {}
  bool Poll() override { return Requested(); }
  bool Requested() const override;
};

// The options and link factory of one transfer.
struct Link {
  AppOptions options;
  PosixLinkFactory factory;
  InterruptionCancel cancel;
  std::unique_ptr<HexDumpTrace> trace;
};

void SetUpLink(const LinkArgs& args, Link& link);

}  // namespace lumoscope::cli
