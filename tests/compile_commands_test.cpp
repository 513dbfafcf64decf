#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "database/ListDB.h"
#include "shell/CompileCommands.h"
#include "shell/ImageFiles.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/SampleLists.h"
#include "tests/support/TempDir.h"

namespace lumoscope {
namespace {

using test::FileExists;
using test::ReadFile;
using test::RecordingReporter;
using test::TempDir;
using testing::StartsWith;

// A list that no compiler takes: a record before any section header.
const std::string kBrokenList = "0 0 0 record before any header\r\n";

class CompileCommandsTest : public ::testing::Test {
 protected:
  CListDB& Db(const std::string& name, const std::string& contents) {
    db_ = std::make_unique<CListDB>(reporter, options, dir.Write(name, contents));
    return *db_;
  }
  // The document's "Save list": writes the edited list over the text file.
  SaveListFn SaveEdited(const std::string& edited) {
    return [this, edited] {
      dir.Write("list.txt", edited);
      return true;
    };
  }

  TempDir dir;
  RecordingReporter reporter;
  AppOptions options;
  std::unique_ptr<CListDB> db_;
};

TEST_F(CompileCommandsTest, BackupAndRestoreTheTextFile) {
  CListDB& db = Db("list.TXT", "original\r\n");
  ASSERT_TRUE(BackupTextFile(db));
  EXPECT_EQ(ReadFile(dir.File("list.cplsrc")), "original\r\n");
  dir.Write("list.TXT", "edited");
  ASSERT_TRUE(RestoreTextFile(db));
  EXPECT_EQ(ReadFile(dir.File("list.TXT")), "original\r\n");
  EXPECT_FALSE(FileExists(dir.File("list.cplsrc")));
  EXPECT_TRUE(reporter.boxes.empty());
  EXPECT_EQ(db.FilePath(), dir.File("list.TXT"));
}

TEST_F(CompileCommandsTest, BackupAndRestoreNameTheFileTheyCannotOpen) {
  CListDB& db = Db("list.txt", "x");
  std::filesystem::remove(dir.File("list.txt"));
  EXPECT_FALSE(BackupTextFile(db));
  EXPECT_FALSE(RestoreTextFile(db));
  ASSERT_EQ(reporter.boxes.size(), 2u);
  EXPECT_THAT(reporter.boxes[0],
              StartsWith(Format("Error On Save As Temp File: %s\n", dir.File("list.txt").c_str())));
  EXPECT_THAT(reporter.boxes[1],
              StartsWith(Format("Error On Save As Temp File: %s\n", dir.File("list.cplsrc").c_str())));
}

TEST_F(CompileCommandsTest, RestoreThatCannotRecreateTheListKeepsTheBackupAndSaysWhere) {
  CListDB& db = Db("list.txt", "the only copy");
  ASSERT_TRUE(BackupTextFile(db));
  // The list's name is taken by a folder, so the list cannot be written back.
  std::filesystem::remove(dir.File("list.txt"));
  std::filesystem::create_directory(dir.File("list.txt"));
  EXPECT_FALSE(RestoreTextFile(db));
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_NE(reporter.boxes[0].find(dir.File("list.cplsrc")), std::string::npos);
  EXPECT_EQ(ReadFile(dir.File("list.cplsrc")), "the only copy");
}

TEST_F(CompileCommandsTest, FailedCompileStillRestoresTheTextFile) {
  CListDB& db = Db("list.txt", kBrokenList);
  EXPECT_FALSE(RunCompileCommand(db, kCompileBasic, SaveEdited("edited, unsaved")));
  EXPECT_EQ(reporter.boxes.back(), "Making a HEX file is failed!");
  EXPECT_EQ(ReadFile(dir.File("list.txt")), kBrokenList);
  EXPECT_FALSE(FileExists(dir.File("list.cplsrc")));
  EXPECT_FALSE(FileExists(dir.File("list.bin")));
}

TEST_F(CompileCommandsTest, FailedSaveStopsTheCompile) {
  CListDB& db = Db("list.txt", test::SmallValidList());
  EXPECT_FALSE(RunCompileCommand(db, kCompileNormal, [] { return false; }));
  EXPECT_TRUE(reporter.boxes.empty());  // the save reports its own failure
  EXPECT_FALSE(FileExists(dir.File("list.hex")));
  EXPECT_EQ(ReadFile(dir.File("list.txt")), test::SmallValidList());
  EXPECT_FALSE(FileExists(dir.File("list.cplsrc")));
}

TEST_F(CompileCommandsTest, PreinstalledCompileRemovesAStaleMergeFile) {
  CListDB& db = Db("list.txt", kBrokenList);
  dir.Write("list.mrg", "left by an interrupted run");
  EXPECT_FALSE(PreinstalledCompile(db));
  EXPECT_EQ(reporter.boxes.back(), "Making a HEX file is failed!");
  EXPECT_FALSE(FileExists(dir.File("list.mrg")));
}

TEST_F(CompileCommandsTest, SplitListRestoresTheFileAndTheSwitch) {
  CListDB& db = Db("list.txt", kBrokenList);
  EXPECT_FALSE(RunPreinstalledSplitList(db, SaveEdited("edited")));
  EXPECT_FALSE(db.splitList);
  EXPECT_EQ(ReadFile(dir.File("list.txt")), kBrokenList);
  EXPECT_EQ(dir.FileCount(), 1u);

  db.splitList = true;
  EXPECT_FALSE(RunPreinstalledOneList(db, SaveEdited("edited")));
  EXPECT_FALSE(db.splitList);
  EXPECT_EQ(ReadFile(dir.File("list.txt")), "edited");  // one list keeps the edited list
}

std::string ZeroLines(uint32_t address, int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i) {
    text += Format("%08X ", address + 16u * static_cast<uint32_t>(i));
    for (int b = 0; b < 16; ++b) text += b == 8 ? "   00" : " 00";
    text += "\n";
  }
  return text;
}

TEST_F(CompileCommandsTest, NormalImageMustFitBeforeTheBasicImage) {
  const std::string full = dir.Write("full.hex", ZeroLines(kNormalImageAddress, 4096));
  EXPECT_TRUE(CheckNormalImageSize(reporter, full));
  EXPECT_TRUE(reporter.boxes.empty());
  const std::string over = dir.Write("over.hex", ZeroLines(kNormalImageAddress, 4097));
  EXPECT_FALSE(CheckNormalImageSize(reporter, over));
  EXPECT_EQ(reporter.boxes,
            std::vector<std::string>{"Channel list too large: the normal image has 65552 bytes, at "
                                     "most 65536 fit before the basic image."});
}

TEST_F(CompileCommandsTest, SecondImageIsAppendedWhole) {
  // Larger than any fixed copy buffer the merge might use.
  const std::string normal = ZeroLines(kNormalImageAddress, 100);
  const std::string basic = ZeroLines(kBasicImageAddress, 20000);
  ASSERT_GT(basic.size(), 1000000u);
  const std::string merge = dir.Write("list.mrg", normal);
  const std::string hex = dir.Write("list.hex", basic);
  ASSERT_TRUE(AppendImage(reporter, hex, merge));
  EXPECT_EQ(ReadFile(merge), normal + basic);
  EXPECT_FALSE(FileExists(hex));

  EXPECT_FALSE(AppendImage(reporter, hex, dir.File("none.mrg")));
  EXPECT_THAT(reporter.boxes.back(),
              StartsWith(Format("Can't open nessesary file : %s\n", dir.File("none.mrg").c_str())));
  EXPECT_FALSE(AppendImage(reporter, hex, merge));
  EXPECT_THAT(reporter.boxes.back(), StartsWith(Format("Can't open Output file : %s\n", hex.c_str())));
}

// --- Whole compiles --------------------------------------------------------------------

TEST_F(CompileCommandsTest, PreinstalledImageIsTheNormalImageFollowedByTheBasicImage) {
  CListDB& db = Db("list.txt", test::SmallValidList());
  ASSERT_EQ(db.Compile(kCompileNormal), 1);
  const std::string normal = ReadFile(dir.File("list.hex"));
  ASSERT_EQ(db.Compile(kCompileBasic), 1);
  const std::string basic = ReadFile(dir.File("list.hex"));

  ASSERT_TRUE(RunPreinstalledOneList(db, [] { return true; }));
  EXPECT_EQ(ReadFile(dir.File("list.hex")), normal + basic);
  EXPECT_FALSE(FileExists(dir.File("list.mrg")));
  EXPECT_TRUE(FileExists(dir.File("list.bin")));
}

TEST_F(CompileCommandsTest, BasicCompileOfTheEditedListLeavesTheFileUnchanged) {
  const std::string edited = test::SmallValidList();
  CListDB& db = Db("list.txt", test::GeneratedList(20, 3));
  ASSERT_TRUE(RunCompileCommand(db, kCompileBasic, SaveEdited(edited)));
  const std::string images = ReadFile(dir.File("list.hex"));
  EXPECT_EQ(ReadFile(dir.File("list.txt")), test::GeneratedList(20, 3));
  EXPECT_FALSE(FileExists(dir.File("list.cplsrc")));

  CListDB& direct = Db("direct.txt", edited);
  ASSERT_EQ(direct.Compile(kCompileBasic), 1);
  EXPECT_EQ(ReadFile(dir.File("direct.hex")), images);
}

TEST_F(CompileCommandsTest, OversizedNormalImageLeavesNoImages) {
  CListDB& db = Db("list.txt", test::GeneratedList(4000, 1));
  dir.Write("list.bin", "from an earlier compile");
  EXPECT_FALSE(PreinstalledCompile(db));
  ASSERT_FALSE(reporter.boxes.empty());
  EXPECT_TRUE(reporter.boxes.back().starts_with("Channel list too large: the normal image has "));
  EXPECT_FALSE(FileExists(dir.File("list.hex")));
  EXPECT_FALSE(FileExists(dir.File("list.bin")));
  EXPECT_FALSE(FileExists(dir.File("list.mrg")));
}

}  // namespace
}  // namespace lumoscope
