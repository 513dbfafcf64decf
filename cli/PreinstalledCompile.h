#pragma once
// The compile sequences of the desktop's compile commands, for the command line: the
// list file on disk is the list to compile (there is no edited copy to save first).
#include <string>

#include "base/Options.h"
#include "base/Reporter.h"

namespace lumoscope::cli {

enum class CompileKind { Normal, Basic, Preinstalled };

// Runs Compile Normal, Basic Compile, or the pre-installed compile (one list, or split
// list when `split` is set) on the list `path`, writing its ".hex" and ".bin". Returns
// the program's exit code: kExitSuccess or kExitFailure.
int RunCompileCli(CompileKind kind, bool split, const std::string& path, const AppOptions& options,
                  IReporter& reporter);

}  // namespace lumoscope::cli
