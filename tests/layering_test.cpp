// The folders form one-way layers: a file includes headers of its own folder and of the
// folders below it, never of a folder above it or beside it on the same level. The test
// reads the include lines of every source file of the tree and names each one that
// breaks the order, so a wrong-way dependency is caught where it is written.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace lumoscope {
namespace {

struct Folder {
  std::string_view path;
  int level;
};

// Lowest first. Folders on the same level are siblings: neither includes the other. A
// file belongs to the longest folder path its own path starts with.
constexpr Folder kFolders[] = {
    // The version header, made in the build folder.
    {"lumoscope", 0},
    {"base", 0},
    {"database", 1},
    // Generated channel lists: plain text in the sections' vocabulary of base/.
    {"tools/listgen", 1},
    {"transfer", 2},
    {"editing", 2},
    {"listview", 3},
    // The receiver simulator speaks the download protocol of transfer/.
    {"tools/receiver-sim", 3},
    {"shell", 4},
    {"ui", 5},
    {"cli", 5},
    {"tests/support", 6},
    // The screenshot tool drives the real window.
    {"ui/screenshots", 6},
    {"tests", 7},
    {"tests/ui", 7},
    {"fuzz", 7},
    // The benchmarks also measure with the test lists and the window tests' helpers.
    {"bench", 8},
};

constexpr std::string_view kTopFolders[] = {"base", "database", "transfer", "editing", "listview", "shell",
                                            "ui",   "cli",      "tools",    "tests",   "bench",    "fuzz"};

std::optional<Folder> FolderOf(std::string_view path) {
  std::optional<Folder> best;
  for (const Folder& f : kFolders) {
    const bool inside = path.starts_with(f.path) && path.size() > f.path.size() && path[f.path.size()] == '/';
    if (inside && (!best || f.path.size() > best->path.size())) best = f;
  }
  return best;
}

// One line per include of `text` (the file `file`, relative to the source folder) that
// goes up or sideways. An include without a folder names a file beside the includer.
std::vector<std::string> LayerViolations(const std::string& file, const std::string& text) {
  static const std::regex kInclude(R"re(^\s*#\s*include\s*"([^"]+)")re");
  std::vector<std::string> out;
  const std::optional<Folder> own = FolderOf(file);
  if (!own) return {file + ": not in any folder of the layer table"};
  std::istringstream lines(text);
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    std::smatch m;
    if (!std::regex_search(line, m, kInclude)) continue;
    const std::string header = m[1];
    if (header.find('/') == std::string::npos) continue;
    const std::string where = file + ":" + std::to_string(number) + ": includes " + header;
    const std::optional<Folder> target = FolderOf(header);
    if (!target) {
      out.push_back(where + ", which is in no folder of the layer table");
    } else if (target->level > own->level) {
      out.push_back(where + " from the higher layer " + std::string(target->path));
    } else if (target->level == own->level && target->path != own->path) {
      out.push_back(where + " from its sibling " + std::string(target->path));
    }
  }
  return out;
}

TEST(Layering, RuleFindsUpwardAndSidewaysIncludesOnly) {
  const std::string text =
      "#include <vector>\n"
      "#include \"base/Reporter.h\"\n"
      "#include \"database/Records.h\"\n"
      "#include \"transfer/Upload.h\"\n"
      "#include \"editing/NewChannel.h\"\n"
      "#include \"shell/Options.h\"\n"
      "#include \"Beside.h\"\n"
      "#include \"../shell/Options.h\"\n";
  EXPECT_EQ(
      LayerViolations("transfer/Download.cpp", text),
      (std::vector<std::string>{
          "transfer/Download.cpp:5: includes editing/NewChannel.h from its sibling editing",
          "transfer/Download.cpp:6: includes shell/Options.h from the higher layer shell",
          "transfer/Download.cpp:8: includes ../shell/Options.h, which is in no folder of the layer table",
      }));
  EXPECT_TRUE(LayerViolations("tests/ui/x_test.cpp", "#include \"tests/support/TempDir.h\"\n").empty());
  EXPECT_EQ(LayerViolations("tools/other/x.cpp", "").size(), 1u);
}

TEST(Layering, EveryIncludeOfTheTreeGoesToItsOwnFolderOrALowerLayer) {
  namespace fs = std::filesystem;
  const fs::path root = LUMOSCOPE_SOURCE_DIR;
  std::vector<std::string> violations;
  size_t files = 0;
  for (std::string_view top : kTopFolders) {
    for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
      const std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      const std::vector<std::string> found =
          LayerViolations(entry.path().lexically_relative(root).string(), text);
      violations.insert(violations.end(), found.begin(), found.end());
      ++files;
    }
  }
  EXPECT_GT(files, 100u);
  std::sort(violations.begin(), violations.end());
  std::string report;
  for (const std::string& v : violations) report += v + "\n";
  EXPECT_TRUE(violations.empty()) << report;
}

}  // namespace
}  // namespace lumoscope
