// Placeholder until these subcommands land.
#include "cli/Commands.h"

namespace lumoscope::cli {

void AddCompileCommands(CLI::App& /*app*/, int& /*exitCode*/) {}

}  // namespace lumoscope::cli
