// Placeholder until these subcommands land.
#include "cli/Commands.h"

namespace lumoscope::cli {

void AddConvertCommands(CLI::App& /*app*/, int& /*exitCode*/) {}

}  // namespace lumoscope::cli
