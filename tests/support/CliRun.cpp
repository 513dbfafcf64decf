#include "tests/support/CliRun.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

namespace lumoscope::test {

CliResult RunCli(const std::string& args, const TempDir& dir) {
  const std::string errPath = dir.File("cli-stderr.log");
  const std::string outPath = dir.File("cli-stdout.log");
  const std::string cmd = std::string(LUMOSCOPE_CLI_PATH) + " " + args + " >" + outPath + " 2>" + errPath;
  const int status = std::system(cmd.c_str());
  CliResult r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(errPath), ReadFile(outPath)};
  std::remove(errPath.c_str());
  std::remove(outPath.c_str());
  return r;
}

}  // namespace lumoscope::test
