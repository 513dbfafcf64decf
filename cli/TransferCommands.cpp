// Placeholder until these subcommands land.
#include "cli/Commands.h"

namespace lumoscope::cli {

void AddTransferCommands(CLI::App& /*app*/, int& /*exitCode*/) {}

}  // namespace lumoscope::cli
