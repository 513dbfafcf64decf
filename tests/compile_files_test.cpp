// CListDB::Compile with real files: the hex file's lines, the files left behind after
// success and failure, derived names, and the options the compile reads.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "base/DerivedNames.h"
#include "database/ListDB.h"
#include "database/ReaderMessages.h"
#include "tests/support/ListText.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempDir.h"

namespace lumoscope {
namespace {

using testing::StartsWith;

std::vector<std::string> HexLines(const std::string& hex) {
  std::vector<std::string> lines;
  std::istringstream in(hex);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

struct Fixture {
  test::TempDir dir;
  test::RecordingReporter reporter;
  AppOptions options;
};

TEST(CompileFiles, NormalHexStartsWithHeaderAndHasAnEvenNumberOfLines) {
  Fixture f;
  const std::string path = f.dir.Write("list.txt", test::SmallList().Text());
  CListDB db(f.reporter, f.options, path);
  ASSERT_EQ(db.Compile(kCompileNormal), 1);
  EXPECT_TRUE(f.reporter.boxes.empty());
  const auto lines = HexLines(test::ReadFile(f.dir.File("list.hex")));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.size() % 2, 0u);
  // 3 satellites, 2 D_TPs, 2 digital services, 1 A_TP, 2 TV, 1 radio, then the start marker.
  EXPECT_EQ(lines[0], "7FF10000  03 00 02 00 02 00 01 00   02 00 01 00 DD CC BB AA");
  const std::regex line("[0-9A-F]{8}  [0-9A-F]{2}( [0-9A-F]{2}){7}   [0-9A-F]{2}( [0-9A-F]{2}){7}");
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].size(), 59u);
    EXPECT_TRUE(std::regex_match(lines[i], line)) << lines[i];
    char addr[9];
    std::snprintf(addr, sizeof addr, "%08X", static_cast<unsigned>(0x7FF10000 + 16 * i));
    EXPECT_EQ(lines[i].substr(0, 8), addr);
  }
  // The last line is completed with bytes 00; no CR anywhere.
  EXPECT_EQ(lines.back().substr(lines.back().size() - 3), " 00");
  EXPECT_EQ(test::ReadFile(f.dir.File("list.hex")).find('\r'), std::string::npos);
  EXPECT_EQ(f.dir.FileNames(), (std::vector<std::string>{"list.hex", "list.txt"}));
}

TEST(CompileFiles, BasicHexStartsWithTheNameTable) {
  Fixture f;
  const std::string path = f.dir.Write("list.txt", test::SmallList().Text());
  CListDB db(f.reporter, f.options, path);
  ASSERT_EQ(db.Compile(kCompileBasic), 1);
  const auto lines = HexLines(test::ReadFile(f.dir.File("list.hex")));
  // "SAT1" and "SAT2" in their 14-byte fields.
  EXPECT_EQ(lines[0], "7FF20000  53 41 54 31 00 00 00 00   00 00 00 00 00 00 53 41");
  EXPECT_EQ(f.dir.FileNames(), (std::vector<std::string>{"list.hex", "list.txt"}));
}

TEST(CompileFiles, FailedCompileLeavesNoFileBehind) {
  for (int mode : {kCompileNormal, kCompileBasic}) {
    Fixture f;
    test::SmallList list;
    list.analogTps.push_back("0 0 11214 KU Dup 27MHz H 1 2 CVBS STEREO 6.50 7.20 130 N J17 TV N");
    const std::string path = f.dir.Write("list.txt", list.Text());
    // A hex file of an earlier compile is left as it was.
    f.dir.Write("list.hex", "old");
    CListDB db(f.reporter, f.options, path);
    EXPECT_EQ(db.Compile(mode), 0);
    ASSERT_EQ(f.reporter.boxes.size(), 1u);
    EXPECT_EQ(f.reporter.boxes[0], Format(msg::kSameAtpIndex, list.LastLineOf(list.analogTps)));
    EXPECT_EQ(f.dir.FileNames(), (std::vector<std::string>{"list.hex", "list.txt"}));
    EXPECT_EQ(test::ReadFile(f.dir.File("list.hex")), "old");
    EXPECT_EQ(f.reporter.waitDepth, 0);
  }
}

TEST(CompileFiles, ValidateOnlyCreatesNoFileAndWorksInAReadOnlyFolder) {
  Fixture f;
  const std::string path = f.dir.Write("list.txt", test::SmallList().Text());
  CListDB db(f.reporter, f.options, path);
  db.validateOnly = true;
  ASSERT_EQ(chmod(f.dir.Path().c_str(), 0555), 0);
  EXPECT_EQ(db.Compile(kCompileBasic), 1);
  EXPECT_EQ(db.Compile(kCompileNormal), 1);
  chmod(f.dir.Path().c_str(), 0755);
  EXPECT_EQ(f.dir.FileNames(), (std::vector<std::string>{"list.txt"}));
  EXPECT_TRUE(f.reporter.boxes.empty());
}

TEST(CompileFiles, UnwritableFolderAndMissingInput) {
  Fixture f;
  const std::string path = f.dir.Write("list.txt", test::SmallList().Text());
  CListDB db(f.reporter, f.options, path);
  // A folder in the way of an output file makes it impossible to write, also for root.
  std::filesystem::create_directory(f.dir.File("list.tmp"));
  std::filesystem::create_directory(f.dir.File("list.hex"));
  EXPECT_EQ(db.Compile(kCompileNormal), 0);
  EXPECT_EQ(db.Compile(kCompileBasic), 0);
  ASSERT_EQ(f.reporter.boxes.size(), 2u);
  EXPECT_THAT(f.reporter.boxes[0], StartsWith("Can't open Output file : " + f.dir.File("list.tmp") + "\n"));
  EXPECT_THAT(f.reporter.boxes[1], StartsWith("Can't open Output file : " + f.dir.File("list.hex") + "\n"));
  EXPECT_TRUE(std::filesystem::is_directory(f.dir.File("list.hex")));  // no file took its place
  EXPECT_EQ(f.dir.FileNames(), (std::vector<std::string>{"list.hex", "list.tmp", "list.txt"}));
  f.reporter.Clear();
  CListDB missing(f.reporter, f.options, f.dir.File("none.txt"));
  EXPECT_EQ(missing.Compile(kCompileBasic), 0);
  ASSERT_EQ(f.reporter.boxes.size(), 1u);
  EXPECT_THAT(f.reporter.boxes[0], StartsWith("Can't open Input file : " + f.dir.File("none.txt") + "\n"));
  // A folder is no text file either.
  std::filesystem::create_directory(f.dir.File("folder.txt"));
  CListDB folder(f.reporter, f.options, f.dir.File("folder.txt"));
  EXPECT_EQ(folder.Compile(kCompileNormal), 0);
  ASSERT_EQ(f.reporter.boxes.size(), 2u);
  EXPECT_THAT(f.reporter.boxes[1], StartsWith("Can't open Input file : " + f.dir.File("folder.txt") + "\n"));
}

TEST(CompileFiles, LinksInThePlaceOfTheDerivedFilesAreReplacedNotFollowed) {
  Fixture f;
  const std::string path = f.dir.Write("list.txt", test::SmallList().Text());
  const std::string victim = f.dir.Write("victim", "not an image");
  std::filesystem::create_symlink(victim, f.dir.File("list.tmp"));
  std::filesystem::create_symlink(victim, f.dir.File("list.hex"));
  CListDB db(f.reporter, f.options, path);
  ASSERT_EQ(db.Compile(kCompileNormal), 1);
  EXPECT_EQ(test::ReadFile(victim), "not an image");
  EXPECT_FALSE(std::filesystem::is_symlink(f.dir.File("list.hex")));
  EXPECT_EQ(f.dir.FileNames(), (std::vector<std::string>{"list.hex", "list.txt", "victim"}));
}

TEST(CompileFiles, DerivedNamesReplaceOnlyTheFinalExtension) {
  Fixture f;
  std::filesystem::create_directories(f.dir.Path() / "lists.txt.d");
  const std::string path = f.dir.Write("lists.txt.d/LIST.TXT", test::SmallList().Text());
  CListDB db(f.reporter, f.options, path);
  ASSERT_EQ(db.Compile(kCompileNormal), 1);
  EXPECT_EQ(db.FilePath(), path);  // the text file keeps its own name
  EXPECT_TRUE(test::FileExists(f.dir.File("lists.txt.d/LIST.hex")));
  EXPECT_TRUE(test::FileExists(path));
  EXPECT_EQ(DerivedPath("/a.txt/b.Txt", kExtHex), "/a.txt/b.hex");
  EXPECT_EQ(DerivedPath("/a/list", kExtHex), "/a/list.hex");
}

TEST(CompileFiles, MaximumSatelliteNumberComesFromTheOptions) {
  Fixture f;
  test::SmallList list;
  list.nameEntries = 40;
  const std::string path = f.dir.Write("list.txt", list.Text());
  CListDB db(f.reporter, f.options, path);
  EXPECT_EQ(db.Compile(kCompileBasic), 0);
  f.options.fortySatellites = true;
  EXPECT_EQ(db.Compile(kCompileBasic), 1);
  // 40 names of 14 bytes, CRC and 00 00: 564 bytes before the start marker.
  const std::string hex = test::ReadFile(f.dir.File("list.hex"));
  const auto lines = HexLines(hex);
  EXPECT_EQ(lines[35].substr(22, 11), "DD CC BB AA");  // byte 564 = line 35, position 4
}

}  // namespace
}  // namespace lumoscope
