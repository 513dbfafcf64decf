#pragma once
// Runs lumoscope-cli as a person would, with its exit code and what it wrote to stderr.
#include <string>

#include "tests/support/TempDir.h"

namespace lumoscope::test {

struct CliResult {
  int exitCode;
  std::string err;
};

// `args` go to the shell as they are; stdout is dropped, stderr is captured in `dir`.
CliResult RunCli(const std::string& args, const TempDir& dir);

}  // namespace lumoscope::test
