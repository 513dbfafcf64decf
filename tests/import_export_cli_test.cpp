// lumoscope-cli import-transponders, import-channels and export, run as a person would run them.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/support/CliRun.h"
#include "tests/support/SampleLists.h"
#include "tests/support/TempDir.h"

namespace lumoscope::test {
namespace {

const std::string kTable = std::string(LUMOSCOPE_SOURCE_DIR) + "/tests/data/scan-tables/Testsat-19.2E";
const std::string kScans = std::string(LUMOSCOPE_SOURCE_DIR) + "/examples/scans/";

TEST(ImportExportCli, ImportedListsStillCheckAndExport) {
  TempDir dir;
  const std::string original = SmallValidList();
  const std::string list = dir.Write("list.txt", original);

  EXPECT_EQ(RunCli("import-transponders --satellite 1 --scan-table " + kTable + " " + list, dir).exitCode, 0);
  EXPECT_EQ(ReadFile(dir.File("list.bak")), original);
  EXPECT_EQ(RunCli("import-transponders --new-satellite --scan-table " + kTable + " " + list, dir).exitCode,
            0);
  EXPECT_NE(ReadFile(list).find("\"Testsat 19.2E\""), std::string::npos);
  EXPECT_EQ(RunCli("check " + list, dir).exitCode, 0);
  const CliResult channels =
      RunCli("import-channels --satellite 1 --pids " + list + " " + kScans + "zap-channels.conf", dir);
  EXPECT_EQ(channels.exitCode, 0) << channels.err;
  EXPECT_NE(channels.out.find("6 PID channels added"), std::string::npos) << channels.out;
  EXPECT_EQ(RunCli("check " + list, dir).exitCode, 0);

  EXPECT_EQ(RunCli("export -o " + dir.File("list.csv") + " " + list, dir).exitCode, 0);
  EXPECT_TRUE(ReadFile(dir.File("list.csv")).starts_with("Kind,Number,Name,"));
  EXPECT_EQ(RunCli("export --json -o " + dir.File("list.out") + " " + list, dir).exitCode, 0);
  EXPECT_EQ(nlohmann::json::parse(ReadFile(dir.File("list.out")))["version"], 1);
}

TEST(ImportExportCli, RefusalsChangeNothing) {
  TempDir dir;
  const std::string list = dir.Write("list.txt", SmallValidList());
  const std::string args = " --scan-table " + kTable + " " + list;
  EXPECT_EQ(RunCli("import-transponders" + args, dir).exitCode, 2);
  EXPECT_EQ(RunCli("import-transponders --satellite 1 --new-satellite" + args, dir).exitCode, 2);
  EXPECT_EQ(RunCli("import-transponders --satellite 9" + args, dir).exitCode, 1);
  const CliResult missing =
      RunCli("import-transponders --satellite 1 --scan-table No-Such-9.9E " + list, dir);
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("No-Such-9.9E"), std::string::npos) << missing.err;
  EXPECT_EQ(RunCli("import-channels " + list + " " + kScans + "zap-channels.conf", dir).exitCode, 2);
  EXPECT_EQ(
      RunCli("import-channels --satellite 9 " + list + " " + kScans + "zap-channels.conf", dir).exitCode, 1);
  EXPECT_EQ(RunCli("import-channels --satellite 1 " + list + " " + kTable, dir).exitCode, 1);
  EXPECT_EQ(RunCli("export --csv --json " + list, dir).exitCode, 2);
  EXPECT_EQ(RunCli("export -o " + list + " " + list, dir).exitCode, 1);
  EXPECT_EQ(ReadFile(list), SmallValidList());
  EXPECT_EQ(dir.FileNames(), std::vector<std::string>{"list.txt"});
}

}  // namespace
}  // namespace lumoscope::test
