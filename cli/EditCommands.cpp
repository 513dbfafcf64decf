// Placeholder until these subcommands land.
#include "cli/Commands.h"

namespace lumoscope::cli {

void AddEditCommands(CLI::App& /*app*/, int& /*exitCode*/) {}

}  // namespace lumoscope::cli
