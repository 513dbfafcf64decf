// lumoscope-cli order, lint, tidy and diff, run as a person would run them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "base/Reporter.h"
#include "database/ListFill.h"
#include "tests/support/CliRun.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/UpkeepLists.h"
#include "transfer/SectionListParser.h"

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

// A receiver of 40 satellites: every command that reads a list reads it with --max-sat 40,
// and refuses it without (its satellite name section must have 32 entries then).
TEST(UpkeepCli, EveryCommandThatReadsAListTakesTheReceiversSatelliteCount) {
  TempDir dir;
  listgen::ListContent content = UpkeepList(2);
  while (content.satNames.size() < 40) {
    const std::string index = std::to_string(content.satNames.size() + 1);
    content.satNames.push_back({index, "Sat " + index});
  }
  const std::string text = listgen::Render(content);
  const std::string list = dir.File("forty.txt");
  const std::string table = std::string(LUMOSCOPE_SOURCE_DIR) + "/tests/data/scan-tables/Testsat-19.2E";
  const std::string commands[] = {
      "sort --by 4 {list}",
      "pad {list}",
      "set {list} --channel 1 name=Kanal",
      "export {list}",
      "lint {list}",
      "diff {list} {list}",
      "tidy --null-channels {list}",
      "order --like {list} {list}",
      "format {list}",
      "import-transponders --satellite " + content.satellites[0][0] + " --scan-table " + table + " {list}",
  };
  for (const std::string& command : commands) {
    for (const bool forty : {false, true}) {
      dir.Write("forty.txt", text);
      std::string args = command;
      if (forty) args.insert(args.find(' '), " --max-sat 40");
      for (size_t at; (at = args.find("{list}")) != std::string::npos;) args.replace(at, 6, list);
      const CliResult result = RunCli(args, dir);
      if (forty) {
        EXPECT_EQ(result.exitCode, 0) << args << "\n" << result.err;
      } else {
        EXPECT_NE(result.exitCode, 0) << args;
        EXPECT_EQ(ReadFile(list), text) << args;
      }
    }
  }
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

ListFill FillOfFile(const std::string& path) {
  RecordingReporter reporter;
  std::vector<std::string> fields;
  bool resave = false;
  EXPECT_TRUE(ParseSectionList(ReadFile(path), reporter, fields, resave));
  return FillOfList(fields);
}

// Padding keeps its result and says when the list no longer fits the receiver; lint then
// reports each figure past its limit.
TEST(UpkeepCli, AListPaddedPastTheReceiversMemoryIsToldAndLinted) {
  TempDir dir;
  const std::string list =
      dir.Write("sample.txt", ReadFile(std::string(LUMOSCOPE_SOURCE_DIR) + "/examples/sample.txt"));
  ListFill before = FillOfFile(list);
  for (int pad = 1; pad <= 3; ++pad) {
    const CliResult run = RunCli("pad " + list, dir);
    const ListFill after = FillOfFile(list);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(after.Fits(), pad < 3) << pad;
    const std::string over = NewlyOverLimitsText(before, after);
    EXPECT_EQ(run.err, over.empty() ? "" : Format(kNoLongerFitsWarning, over.c_str()) + "\n") << pad;
    before = after;
  }
  const CliResult lint = RunCli("lint " + list, dir);
  EXPECT_EQ(lint.exitCode, 1);
  for (const FillFigure& figure : before.Figures())
    EXPECT_EQ(lint.out.find(FigureText(figure)) != std::string::npos, !figure.Fits()) << lint.out;
}

}  // namespace
}  // namespace lumoscope::test
