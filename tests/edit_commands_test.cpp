// The command line's batch sort and padding.
#include <gtest/gtest.h>

#include "database/ListDB.h"
#include "tests/support/CliRun.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempDir.h"
#include "tools/listgen/ListGenerator.h"
#include "transfer/SectionListLoader.h"

namespace lumoscope::test {
namespace {

TEST(EditCommandsTest, UsageErrorsAndMissingFiles) {
  TempDir dir;
  EXPECT_EQ(RunCli("sort --by 5 " + dir.File("a.txt"), dir).exitCode, 2);
  EXPECT_EQ(RunCli("sort " + dir.File("a.txt"), dir).exitCode, 2);
  EXPECT_EQ(RunCli("sort --by 1 " + dir.File("missing.txt"), dir).exitCode, 1);
  EXPECT_EQ(RunCli("pad " + dir.File("missing.txt"), dir).exitCode, 1);
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
  ASSERT_TRUE(LoadSectionList(db, before));

  EXPECT_EQ(RunCli("sort --by 4 --descending " + path, dir).exitCode, 0);
  EXPECT_TRUE(FileExists(dir.File("list.bak")));
  EXPECT_EQ(RunCli("pad " + path, dir).exitCode, 0);
  std::vector<std::string> after;
  ASSERT_TRUE(LoadSectionList(db, after));
  EXPECT_GE(after.size(), before.size());
}

}  // namespace
}  // namespace lumoscope::test
