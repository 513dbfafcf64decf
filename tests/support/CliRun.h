#pragma once
// Runs lumoscope-cli as a person would, with its exit code and what it wrote to stderr
// and stdout.
#include <string>

#include "tests/support/TempDir.h"

namespace lumoscope::test {

struct CliResult {
  int exitCode;
  std::string err;
  std::string out;
};

// `args` go to the shell as they are; stderr and stdout are captured in `dir`.
CliResult RunCli(const std::string& args, const TempDir& dir);

}  // namespace lumoscope::test
