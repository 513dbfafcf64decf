// lumoscope-cli check and compile, run as a program: exit codes, the hex file, and
// message-box texts on stderr exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/Reporter.h"
#include "database/ReaderMessages.h"
#include "tests/support/CliRun.h"
#include "tests/support/ListText.h"
#include "tests/support/TempDir.h"

namespace lumoscope {
namespace {

using RunResult = test::CliResult;

RunResult RunCli(const test::TempDir& dir, const std::string& args) {
  return test::RunCli(args, dir);
}

const std::string kSample = std::string(LUMOSCOPE_SOURCE_DIR) + "/examples/sample.txt";

TEST(CompileCli, SampleListChecksAndCompilesInEveryMode) {
  test::TempDir dir;
  const RunResult check = RunCli(dir, "check " + kSample);
  EXPECT_EQ(check.exitCode, 0);
  EXPECT_EQ(check.err, "");
  const std::string list = dir.Write("sample.txt", test::ReadFile(kSample));
  // Each compile also converts its image: the conversion's own message box is the only
  // text on stderr.
  for (const char* mode :
       {"--normal", "--basic --split", "--normal --split --max-sat 32", "", "--split", "--preinstalled"}) {
    const RunResult r = RunCli(dir, std::string("compile ") + mode + " " + list);
    EXPECT_EQ(r.exitCode, 0) << mode;
    EXPECT_EQ(r.err, "Conversion is terminated successfully.\n\n") << mode;
    EXPECT_TRUE(test::FileExists(dir.File("sample.hex"))) << mode;
    EXPECT_TRUE(test::FileExists(dir.File("sample.bin"))) << mode;
    EXPECT_FALSE(test::FileExists(dir.File("sample.cplsrc"))) << mode;
    EXPECT_FALSE(test::FileExists(dir.File("sample.mrg"))) << mode;
    std::remove(dir.File("sample.hex").c_str());
    std::remove(dir.File("sample.bin").c_str());
  }
  EXPECT_EQ(test::ReadFile(list), test::ReadFile(kSample));
}

TEST(CompileCli, FailuresPrintTheMessageBoxAndExitWithOne) {
  test::TempDir dir;
  test::SmallList bad;
  bad.channels.push_back("5 9 0 1 TV A 0 N");
  const std::string list = dir.Write("bad.txt", bad.Text());
  const std::string expected = Format(msg::kTpReference, bad.LastLineOf(bad.channels)) + "\n";
  const RunResult check = RunCli(dir, "check " + list);
  EXPECT_EQ(check.exitCode, 1);
  EXPECT_EQ(check.err, expected);
  const RunResult compile = RunCli(dir, "compile --basic " + list);
  EXPECT_EQ(compile.exitCode, 1);
  EXPECT_EQ(compile.err, expected + "Making a HEX file is failed!\n");
  EXPECT_FALSE(test::FileExists(dir.File("bad.hex")));
  // 32 names are refused with --max-sat 40.
  const std::string good = dir.Write("good.txt", test::SmallList().Text());
  const RunResult forty = RunCli(dir, "check --max-sat 40 " + good);
  EXPECT_EQ(forty.exitCode, 1);
  EXPECT_EQ(forty.err, Format(msg::kSatNameCount, 40, 34) + "\n");
}

TEST(CompileCli, UsageErrorsExitWithTwo) {
  test::TempDir dir;
  const std::string good = dir.Write("good.txt", test::SmallList().Text());
  EXPECT_EQ(RunCli(dir, "compile --preinstalled --basic " + good).exitCode, 2);
  EXPECT_EQ(RunCli(dir, "compile --normal --basic " + good).exitCode, 2);
  EXPECT_EQ(RunCli(dir, "check --max-sat 33 " + good).exitCode, 2);
  EXPECT_EQ(RunCli(dir, "check").exitCode, 2);
}

// Every list in examples/ is one a person can check and compile as it is shipped.
class ExampleList : public ::testing::TestWithParam<std::string> {};

std::vector<std::string> ExampleListNames() {
  std::vector<std::string> names;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(LUMOSCOPE_SOURCE_DIR) + "/examples"))
    if (entry.path().extension() == ".txt") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// "europe-digital.txt" -> "europe_digital": test names take letters, digits and '_' only.
std::string ExampleTestName(const ::testing::TestParamInfo<std::string>& param) {
  std::string name = std::filesystem::path(param.param).stem().string();
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

TEST_P(ExampleList, ChecksAndCompiles) {
  test::TempDir dir;
  const std::string list =
      dir.Write("list.txt", test::ReadFile(std::string(LUMOSCOPE_SOURCE_DIR) + "/examples/" + GetParam()));
  const RunResult check = RunCli(dir, "check " + list);
  EXPECT_EQ(check.exitCode, 0) << check.err;
  EXPECT_EQ(check.err, "");
  EXPECT_EQ(RunCli(dir, "compile " + list).exitCode, 0);
  EXPECT_TRUE(test::FileExists(dir.File("list.bin")));
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleList, ::testing::ValuesIn(ExampleListNames()), ExampleTestName);

}  // namespace
}  // namespace lumoscope
