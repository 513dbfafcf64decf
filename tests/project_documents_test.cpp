// The developer documents are a map of the project: they name its files, folders, make
// targets and lumoscope-cli commands. The map is read here and every name is looked up,
// so a file moved or a command renamed fails the build's tests until the map follows.
// The changelog is held to its form, and its newest release must be the version built.
//
// What is looked up, in code quotes and in fenced code blocks:
//   - every word with a "/" that is a relative path: a file, a folder ("base/"), or a
//     module ("transfer/Upload" for its .h and .cpp); words starting with "build" are
//     build outputs and are not looked up;
//   - `make TARGET`: a rule of the Makefile;
//   - `lumoscope-cli COMMAND --option`: a subcommand and the options its --help lists;
// and the target of every relative link, from the document's own folder.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/CliRun.h"
#include "tests/support/TempDir.h"

namespace lumoscope {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// The names a document may use, as the tree, the Makefile and the program have them.
class Project {
 public:
  Project() : root_(LUMOSCOPE_SOURCE_DIR) {
    static const std::regex kRule(R"(^([A-Za-z][\w-]*)\s*:(?!=))");
    std::istringstream makefile(test::ReadFile((root_ / "Makefile").string()));
    for (std::string line; std::getline(makefile, line);) {
      std::smatch m;
      if (std::regex_search(line, m, kRule)) targets_.insert(m[1]);
    }
    std::istringstream help(Help(""));
    bool listed = false;
    for (std::string line; std::getline(help, line);) {
      if (line.starts_with("Subcommands:")) listed = true;
      if (listed && line.starts_with("  ")) commands_.insert(Words(line)[0]);
    }
  }

  const fs::path& Root() const { return root_; }

  // One line for each name of `text` (a document in `folder`) that does not exist.
  std::vector<std::string> Missing(const std::string& text, const fs::path& folder) {
    std::vector<std::string> missing;
    std::string prose;
    std::vector<std::string> code;
    bool fenced = false;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
      if (line.starts_with("```")) {
        fenced = !fenced;
      } else if (fenced) {
        code.push_back(line.substr(0, line.find(" #")));
      } else {
        prose += line + "\n";
      }
    }
    static const std::regex kQuote("`([^`]+)`");
    for (std::sregex_iterator it(prose.begin(), prose.end(), kQuote), end; it != end; ++it)
      code.push_back((*it)[1]);
    for (const std::string& c : code) CheckCode(c, missing);

    static const std::regex kLink(R"(\]\(([^)\s]+)\))");
    for (std::sregex_iterator it(prose.begin(), prose.end(), kLink), end; it != end; ++it) {
      const std::string target = (*it)[1].str().substr(0, (*it)[1].str().find('#'));
      if (target.empty() || target.find(':') != std::string::npos) continue;
      if (!fs::exists(folder / target)) missing.push_back("a link to " + target + ", which does not exist");
    }
    return missing;
  }

 private:
  void CheckCode(const std::string& code, std::vector<std::string>& missing) {
    const std::vector<std::string> words = Words(code);
    if (words.empty()) return;
    if (words[0] == "make") {
      for (size_t i = 1; i < words.size(); ++i) {
        const bool target = words[i].find('=') == std::string::npos && !words[i].starts_with("-");
        if (target && !targets_.contains(words[i]))
          missing.push_back("make " + words[i] + ": no such target");
      }
    }
    if (words[0] == "lumoscope-cli" || words[0].ends_with("/lumoscope-cli")) {
      std::string command;
      if (words.size() > 1 && std::islower(static_cast<unsigned char>(words[1][0]))) command = words[1];
      if (!command.empty() && !commands_.contains(command)) {
        missing.push_back("lumoscope-cli " + command + ": no such command");
      } else {
        static const std::regex kOption("--[a-z][a-z0-9-]*");
        const std::string help = Help(command);
        for (std::sregex_iterator it(code.begin(), code.end(), kOption), end; it != end; ++it) {
          if (!std::regex_search(help, std::regex(it->str() + "\\b")))
            missing.push_back("lumoscope-cli " + command + " " + it->str() + ": no such option");
        }
      }
    }
    for (const std::string& w : words) {
      const bool path = w.find('/') != std::string::npos && std::isalnum(static_cast<unsigned char>(w[0])) &&
                        w.find_first_of("=$<>|:*~") == std::string::npos && !w.starts_with("build");
      if (path && !fs::exists(root_ / w) && !fs::exists(root_ / (w + ".h")) &&
          !fs::exists(root_ / (w + ".cpp")))
        missing.push_back(w + ": no such file or folder");
    }
  }

  // The --help text of a command ("" for the program's own).
  const std::string& Help(const std::string& command) {
    auto [it, added] = help_.try_emplace(command);
    if (added) it->second = test::RunCli(command + " --help", dir_).out;
    return it->second;
  }

  fs::path root_;
  test::TempDir dir_;
  std::set<std::string> targets_;
  std::set<std::string> commands_;
  std::map<std::string, std::string> help_;
};

TEST(ProjectDocuments, EveryNameThatNoLongerExistsIsReported) {
  Project project;
  const std::string text =
      "Layers from `base/` up; `transfer/Upload` and `base/Nowhere.h`; `build/lumoscope-cli` is built.\n"
      "Run `make test` or `make nothing FUZZ_SECONDS=5`, then `lumoscope-cli check --max-sat 40 LIST.txt`,\n"
      "`lumoscope-cli frobnicate` and `lumoscope-cli lint --nope`. See [the README](README.md), "
      "[x](gone.md).\n"
      "```\n"
      "make bench               # the benchmarks\n"
      "scripts/screenshots.sh build\n"
      "scripts/missing.sh\n"
      "```\n";
  EXPECT_EQ(project.Missing(text, project.Root()), (std::vector<std::string>{
                                                       "scripts/missing.sh: no such file or folder",
                                                       "base/Nowhere.h: no such file or folder",
                                                       "make nothing: no such target",
                                                       "lumoscope-cli frobnicate: no such command",
                                                       "lumoscope-cli lint --nope: no such option",
                                                       "a link to gone.md, which does not exist",
                                                   }));
}

TEST(ProjectDocuments, EverythingTheArchitectureAndContributingGuidesNameExists) {
  Project project;
  for (const char* document : {"docs/architecture.md", "CONTRIBUTING.md"}) {
    const fs::path path = project.Root() / document;
    ASSERT_TRUE(fs::exists(path)) << document;
    std::string report;
    for (const std::string& m : project.Missing(test::ReadFile(path.string()), path.parent_path()))
      report += "  " + m + "\n";
    EXPECT_TRUE(report.empty()) << document << " names what the project does not have:\n" << report;
  }
}

// Keep a Changelog: "## [Unreleased]" first, then releases "## [1.2.0] - 2026-12-24", newest
// first, each with entries, grouped under the usual headings.
TEST(ProjectDocuments, ChangelogKeepsItsFormAndItsNewestReleaseIsTheVersionBuilt) {
  static const std::regex kRelease(R"(^## \[(\d+)\.(\d+)\.(\d+)\] - (\d{4}-\d{2}-\d{2})$)");
  static const std::regex kGroup("^### (Added|Changed|Deprecated|Removed|Fixed|Security)$");
  struct Release {
    std::string version;
    std::vector<int> numbers;
    std::string date;
    int entries = 0;
  };
  std::vector<Release> releases;
  std::vector<std::string> faults;
  bool unreleased = false;
  std::istringstream lines(test::ReadFile(std::string(LUMOSCOPE_SOURCE_DIR) + "/CHANGELOG.md"));
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    const std::string where = "line " + std::to_string(number) + ": " + line;
    std::smatch m;
    if (number == 1 && line != "# Changelog") faults.push_back(where + " (the title is \"# Changelog\")");
    if (line == "## [Unreleased]") {
      if (unreleased || !releases.empty()) faults.push_back(where + " (once, before every release)");
      unreleased = true;
    } else if (std::regex_match(line, m, kRelease)) {
      if (!unreleased) faults.push_back(where + " (comes after \"## [Unreleased]\")");
      releases.push_back({m[1].str() + "." + m[2].str() + "." + m[3].str(),
                          {std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3])},
                          m[4]});
    } else if (line.starts_with("#") && number > 1 && !std::regex_match(line, kGroup)) {
      faults.push_back(where + " (not a heading of the form)");
    } else if (line.starts_with("- ") && !releases.empty()) {
      ++releases.back().entries;
    }
  }
  for (size_t i = 0; i < releases.size(); ++i) {
    if (releases[i].entries == 0) faults.push_back(releases[i].version + " has no entries");
    if (i > 0 && !(releases[i].numbers < releases[i - 1].numbers && releases[i].date <= releases[i - 1].date))
      faults.push_back(releases[i].version + " is not older than " + releases[i - 1].version);
  }
  std::string report;
  for (const std::string& f : faults) report += "  " + f + "\n";
  EXPECT_TRUE(report.empty()) << "CHANGELOG.md:\n" << report;
  ASSERT_FALSE(releases.empty()) << "CHANGELOG.md names no release";

  test::TempDir dir;
  EXPECT_EQ(test::RunCli("--version", dir).out, "lumoscope-cli " + releases.front().version + "\n");
}

}  // namespace
}  // namespace lumoscope
