// The hex2bin and format commands of lumoscope-cli, run as a person would run them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "tests/support/SampleLists.h"
#include "tests/support/TempDir.h"

namespace lumoscope {
namespace {

using test::FileExists;
using test::ReadFile;

int RunCli(const std::string& args, const test::TempDir& dir) {
  const std::string cmd =
      std::string(LUMOSCOPE_CLI_PATH) + " " + args + " >" + dir.File("out.log") + " 2>" + dir.File("err.log");
  const int status = std::system(cmd.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ConvertCli, Hex2binWritesTheBinBesideTheHex) {
  test::TempDir dir;
  const std::string hex = dir.Write("image.hex", "7FF10000 01 02 03\n");
  EXPECT_EQ(RunCli("hex2bin " + hex, dir), 0);
  EXPECT_EQ(ReadFile(dir.File("image.bin")).size(), 14u + 16u + 3u);
  EXPECT_NE(ReadFile(dir.File("err.log")).find("Conversion is terminated successfully."), std::string::npos);

  dir.Write("bad.hex", "7FF1\n");
  EXPECT_EQ(RunCli("hex2bin " + dir.File("bad.hex"), dir), 1);
  EXPECT_FALSE(FileExists(dir.File("bad.bin")));
  EXPECT_NE(ReadFile(dir.File("err.log")).find("Line 1"), std::string::npos);

  EXPECT_EQ(RunCli("hex2bin", dir), 2);
}

TEST(ConvertCli, FormatRewritesTheListAndKeepsTheBak) {
  test::TempDir dir;
  const std::string original = test::SmallValidList();
  const std::string list = dir.Write("list.txt", original);
  EXPECT_EQ(RunCli("format " + list, dir), 0);
  EXPECT_EQ(ReadFile(dir.File("list.bak")), original);
  const std::string formatted = ReadFile(list);
  // The comment line at the top stays; the list follows in the program's layout.
  EXPECT_TRUE(formatted.starts_with("# test list\r\n\r\n\r\n[SATELLITE_NAME_LIST]\r\n##---"));
  EXPECT_TRUE(formatted.ends_with("[END]\r\n"));

  // Formatting is a fixed point.
  EXPECT_EQ(RunCli("format " + list, dir), 0);
  EXPECT_EQ(ReadFile(list), formatted);

  EXPECT_EQ(RunCli("format " + dir.File("missing.txt"), dir), 1);
  EXPECT_EQ(RunCli("format --max-sat 33 " + list, dir), 2);
}

}  // namespace
}  // namespace lumoscope
