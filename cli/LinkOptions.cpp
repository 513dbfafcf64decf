#include "cli/LinkOptions.h"

#include <cstdio>

#include "base/Interruption.h"

namespace lumoscope::cli {

LinkOptionSet AddLinkOptions(CLI::App& command, LinkArgs& args) {
  CLI::Option* device =
      command.add_option("--device", args.device, "serial device of the receiver (e.g. /dev/ttyUSB0)");
  CLI::Option* port =
      command.add_option("--port", args.port, "port number 1..4 (COM1..COM4 = /dev/ttyS0../dev/ttyS3)");
  device->excludes(port);
  CLI::Option* trace =
      command.add_flag("--trace", args.trace, "write every byte on the line to stderr as hex and ASCII");
  return {device, port, trace};
}

bool InterruptionCancel::Requested() const {
  return Interruption() != 0;
}

void SetUpLink(const LinkArgs& args, Link& link) {
  link.factory.SetCancel(&link.cancel);
  link.options.portNumber = args.port;
  if (!args.device.empty()) {
    link.options.portNumber = 1;
    link.options.devicePaths[0] = args.device;
  }
  if (args.trace) {
    link.trace = std::make_unique<HexDumpTrace>(
        [](const std::string& line) { std::fwrite(line.data(), 1, line.size(), stderr); });
    link.factory.SetTrace(link.trace.get());
  }
}

}  // namespace lumoscope::cli
