// lumoscope-cli order, lint, tidy and diff, run as a person would run them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "tests/support/CliRun.h"
#include "tests/support/UpkeepLists.h"

namespace lumoscope::test {
namespace {

struct ExitCase {
  const char* args;  // {clean}, {other}, {missing} stand for list files
  int exitCode;
};

TEST(UpkeepCli, ExitCodes) {
  TempDir dir;
  listgen::ListContent other = UpkeepList(2);
  other.channels.push_back(other.channels.front());  // a duplicate
  other.channels.back()[0] = "9001";
  const std::string clean = dir.Write("clean.txt", listgen::Render(UpkeepList(2)));
  const std::string untidy = dir.Write("other.txt", listgen::Render(other));
  const ExitCase cases[] = {
      {"lint {clean}", 0},
      {"lint {other}", 1},
      {"lint {missing}", 2},
      {"diff {clean} {clean}", 0},
      {"diff --format json {clean} {other}", 1},
      {"diff {clean} {missing}", 2},
      {"diff --format xml {clean} {other}", 2},
      {"tidy {other}", 2},
      {"order {clean}", 2},
      {"order --like {missing} {clean}", 1},
  };
  for (const ExitCase& c : cases) {
    std::string args = c.args;
    for (const auto& [name, path] :
         {std::pair{"{clean}", clean}, {"{other}", untidy}, {"{missing}", dir.File("missing.txt")}})
      for (size_t at; (at = args.find(name)) != std::string::npos;)
        args.replace(at, std::string(name).size(), path);
    EXPECT_EQ(RunCli(args, dir).exitCode, c.exitCode) << c.args;
  }
  EXPECT_EQ(ReadFile(clean), listgen::Render(UpkeepList(2)));
  // A report that cannot be written is no answer.
  const int full =
      std::system((std::string(LUMOSCOPE_CLI_PATH) + " lint " + clean + " >/dev/full 2>/dev/null").c_str());
  EXPECT_EQ(WIFEXITED(full) ? WEXITSTATUS(full) : -1, 2);
  const CliResult json = RunCli("diff --format json " + clean + " " + untidy, dir);
  EXPECT_EQ(nlohmann::json::parse(json.out)["summary"]["added"], 1) << json.out;
}

TEST(UpkeepCli, TidyAndOrderWriteOnceAndOnlyWhenSomethingChanges) {
  TempDir dir;
  listgen::ListContent content = UpkeepList(4);
  content.channels.push_back(content.channels.front());
  content.channels.back()[0] = "9001";
  const std::string original = listgen::Render(content);
  const std::string list = dir.Write("list.txt", original);

  EXPECT_EQ(RunCli("tidy --duplicates " + list, dir).exitCode, 0);
  EXPECT_EQ(ReadFile(dir.File("list.bak")), original);
  EXPECT_EQ(RunCli("lint " + list, dir).exitCode, 0);
  const std::string tidied = ReadFile(list);
  EXPECT_EQ(RunCli("tidy --duplicates --null-channels " + list, dir).exitCode, 0);
  EXPECT_EQ(ReadFile(list), tidied);

  const std::string names = dir.Write("names", "Ch3\nch2\n\nNobody\n");
  const CliResult ordered = RunCli("order --like " + names + " " + list, dir);
  EXPECT_EQ(ordered.exitCode, 0);
  EXPECT_NE(ordered.out.find("Nobody"), std::string::npos) << ordered.out;
  const std::string reordered = ReadFile(list);
  EXPECT_LT(reordered.find("\"Ch3\""), reordered.find("\"Ch2\""));
  EXPECT_LT(reordered.find("\"Ch2\""), reordered.find("\"Ch1\""));
  EXPECT_EQ(RunCli("order --like " + names + " " + list, dir).exitCode, 0);
  EXPECT_EQ(ReadFile(list), reordered);
}

}  // namespace
}  // namespace lumoscope::test
