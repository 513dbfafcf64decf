// The command line's batch sort and padding.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "database/ListDB.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempDir.h"
#include "tools/listgen/ListGenerator.h"
#include "transfer/SectionListLoader.h"

namespace lumoscope::test {
namespace {

int RunCli(const std::string& args) {
  const std::string command = std::string(LUMOSCOPE_CLI_PATH) + " " + args + " >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(EditCommandsTest, UsageErrorsAndMissingFiles) {
  TempDir dir;
  EXPECT_EQ(RunCli("sort --by 5 " + dir.File("a.txt")), 2);
  EXPECT_EQ(RunCli("sort " + dir.File("a.txt")), 2);
  EXPECT_EQ(RunCli("sort --by 1 " + dir.File("missing.txt")), 1);
  EXPECT_EQ(RunCli("pad " + dir.File("missing.txt")), 1);
  EXPECT_FALSE(FileExists(dir.File("missing.txt")));
}

TEST(EditCommandsTest, SortAndPadSaveWithBackup) {
  TempDir dir;
  const std::string list = listgen::SmallList();
  const std::string path = dir.Write("list.txt", list);
  RecordingReporter reporter;
  AppOptions options;
  CListDB db(reporter, options, path);
  std::vector<std::string> before;
  if (list.empty() || !LoadSectionList(db, before)) GTEST_SKIP() << "needs the section list loader";

  EXPECT_EQ(RunCli("sort --by 4 --descending " + path), 0);
  EXPECT_TRUE(FileExists(dir.File("list.bak")));
  EXPECT_EQ(RunCli("pad " + path), 0);
  std::vector<std::string> after;
  ASSERT_TRUE(LoadSectionList(db, after));
  EXPECT_GE(after.size(), before.size());
}

}  // namespace
}  // namespace lumoscope::test
