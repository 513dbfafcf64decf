#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <filesystem>

#include "database/ListDB.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/SampleLists.h"
#include "tests/support/TempDir.h"
#include "transfer/SectionListFormatter.h"
#include "transfer/SectionListLoader.h"
#include "transfer/SectionListParser.h"
#include "transfer/SectionListWriter.h"

namespace lumoscope {
namespace {

using test::ReadFile;
using test::RecordingReporter;
using test::TempDir;
using Fields = std::vector<std::string>;

const std::string kNamesBlock =
    "\r\n\r\n[SATELLITE_NAME_LIST]\r\n##-------------------------+\r\n# Index  Satellite_Name   |\r\n"
    "#-------------------------+\r\n";
const std::string kSatBlock =
    "\r\n\r\n[SATELLITE]\r\n"
    "#----------------------------------------------------------------------+\r\n"
    "#  Index    Name          Blank  LNB_LO   LNB_LO Position Posotioner   |\r\n"
    "#                                 HIGH     LOW                         |\r\n"
    "#----------------------------------------------------------------------+\r\n";

Fields Wrap(const std::string& start, const Fields& records, const std::string& end) {
  Fields f{start};
  f.insert(f.end(), records.begin(), records.end());
  f.push_back(end);
  return f;
}

// The lines of `text` that hold records of the section whose header is `header`.
std::vector<std::string> RecordLines(const std::string& text, const std::string& header) {
  std::vector<std::string> out;
  size_t at = text.find(header);
  if (at == std::string::npos) return out;
  at = text.find("\r\n", at) + 2;
  while (at < text.size()) {
    const size_t end = text.find("\r\n", at);
    const std::string line = text.substr(at, end - at);
    at = end + 2;
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '[') break;
    out.push_back(line);
  }
  return out;
}

TEST(FormatSectionList, SmallListIsByteExact) {
  Fields list = Wrap("SAT_NAME START", {"1", "Astra"}, "SAT_NAME END");
  const Fields sat =
      Wrap("SATELLITE START", {"0", "Astra 19E", "N", "10600", "09750", "192", "0"}, "SATELLITE END");
  list.insert(list.end(), sat.begin(), sat.end());
  const std::string text = FormatSectionList(list);

  const std::string expectedStart = kNamesBlock + "\r\n1      \"Astra\"          " + kSatBlock +
                                    "\r\n0      \"Astra 19E\"      N   10600    09750    192   0          " +
                                    "\r\n\r\n[DIGITAL TP]\r\n";
  EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
  // Sections without markers are written as their header blocks alone, in the writer's
  // order, and the file ends with the end block.
  const size_t digital = text.find("[DIGITAL TP]");
  const size_t channel = text.find("[DIGITAL CHANNEL]");
  const size_t pid = text.find("[DIGITAL PID CHANNEL]");
  const size_t analog = text.find("[ANALOG TP]");
  EXPECT_LT(digital, channel);
  EXPECT_LT(channel, pid);
  EXPECT_LT(pid, analog);
  EXPECT_TRUE(
      text.ends_with("#--------------------------------------------------------------------------------------"
                     "---------------------"
                     "---------------+\r\n\r\n\r\n[END]\r\n"));
  EXPECT_EQ(
      text.find("\n#-------------------------------------------------------------------------------------"
                "-------------------------------------+\r\n"),
      text.find("[ANALOG TP]") + 12);
}

TEST(FormatSectionList, NamesAreQuotedWholeAndEveryFieldEndsWithABlank) {
  const Fields list = Wrap("CHANNEL START", {"1",       "2", "3", "6D66", "TV", "Thirteen char",
                                             "0",       "N",  //
                                             "1",       "2", "3", "6D66", "TV", "Fourteen chars",
                                             "0",       "N",  //
                                             "1",       "2", "3", "6D66", "TV", "",
                                             "0",       "N",  //
                                             "1",       "2", "3", "6D66", "TV", "\"",
                                             "0",       "N",  //
                                             "1234567", "2", "3", "6D66", "TV", "Fifteen chars!!",
                                             "0",       "N"},  //
                           "CHANNEL END");
  const auto lines = RecordLines(FormatSectionList(list), "[DIGITAL CHANNEL]");
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "1      2      3      6D66     TV       \"Thirteen char\"  0      N   ");
  EXPECT_EQ(lines[1].substr(39, 17), "\"Fourteen chars\" ");
  EXPECT_EQ(lines[2].substr(39, 17), "\"\"               ");
  EXPECT_EQ(lines[3].substr(39, 17), "\"\"               ");
  // A value wider than its column is still followed by a blank.
  EXPECT_EQ(lines[4].substr(0, 8), "1234567 ");
  EXPECT_NE(lines[4].find("\"Fifteen chars!!\" 0"), std::string::npos);
}

TEST(FormatSectionList, RecordsComeFromTheLastMarkersAndMissingMarkersGiveEmptySections) {
  const Fields list = {"SAT_NAME START",  "1",     "Old", "SAT_NAME END",
                       "SAT_NAME START",  "1",     "New", "SAT_NAME END",
                       "SATELLITE START", "0",     "A",   "N",
                       "10600",           "09750", "1",   "0"};  // no end marker
  const std::string text = FormatSectionList(list);
  EXPECT_EQ(RecordLines(text, "[SATELLITE_NAME_LIST]"),
            std::vector<std::string>{"1      \"New\"            "});
  EXPECT_EQ(RecordLines(text, "[SATELLITE]").size(), 1u);
  EXPECT_TRUE(RecordLines(text, "[DIGITAL TP]").empty());
}

TEST(FormatSectionList, EveryRecordReadsBackAsARecord) {
  Fields records = {"[END]", "0", "11836", "27500", "H", "bracket",  // would read as a header
                    "2",     "0", "11836", "27500", "H", std::string(470, 'c')};
  const Fields list = Wrap("DIGITAL START", records, "DIGITAL END");
  const std::string text = FormatSectionList(list);
  const auto lines = RecordLines(text, "[DIGITAL TP]");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].substr(0, 7), " [END] ");
  // Columns would push this line past 498 characters: single blanks instead.
  EXPECT_LE(lines[1].size(), 498u);
  EXPECT_TRUE(lines[1].starts_with("2 0 11836 27500 H \"ccc"));

  RecordingReporter reporter;
  bool resave = false;
  Fields back;
  ASSERT_TRUE(ParseSectionList(text, reporter, back, resave));
  const auto start = std::find(back.begin(), back.end(), "DIGITAL START");
  ASSERT_LE(start + 14, back.end());
  EXPECT_EQ(Fields(start, start + 14), list);
}

class SaveSectionListTest : public ::testing::Test {
 protected:
  TempDir dir;
  RecordingReporter reporter;
  AppOptions options;
};

TEST_F(SaveSectionListTest, KeepsThePreviousFileAsBak) {
  const std::string path = dir.Write("list.txt", "old content");
  CListDB db(reporter, options, path);
  ASSERT_TRUE(SaveSectionList(db, Wrap("SAT_NAME START", {"1", "A"}, "SAT_NAME END")));
  EXPECT_EQ(ReadFile(dir.File("list.bak")), "old content");
  EXPECT_NE(ReadFile(path).find("\"A\""), std::string::npos);
  // The backup keeps the list as it was before this database first wrote it.
  ASSERT_TRUE(SaveSectionList(db, {}));
  EXPECT_EQ(ReadFile(dir.File("list.bak")), "old content");

  // Without a ".txt" extension the backup name gets ".bak" appended, never the list's own.
  const std::string plain = dir.Write("LIST", "plain old");
  CListDB other(reporter, options, plain);
  ASSERT_TRUE(SaveSectionList(other, {}));
  EXPECT_EQ(ReadFile(dir.File("LIST.bak")), "plain old");
  EXPECT_TRUE(reporter.boxes.empty());
}

TEST_F(SaveSectionListTest, UnwritableFolderIsReported) {
  const std::string path = dir.File("missing/list.txt");
  CListDB db(reporter, options, path);
  EXPECT_FALSE(SaveSectionList(db, {}));
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_THAT(reporter.boxes[0], testing::StartsWith(Format("Can't open .temp file : %s\n", path.c_str())));
}

TEST_F(SaveSectionListTest, WriteErrorFailsAndLosesNothing) {
  const std::string path = dir.Write("list.txt", "previous list");
  CListDB db(reporter, options, path);
  Fields big{"SAT_NAME START"};
  for (int i = 0; i < 2000; ++i) big.insert(big.end(), {std::to_string(i), "Name"});
  big.push_back("SAT_NAME END");

  // A file size limit makes the write fail the way a full disk does.
  signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  const bool saved = SaveSectionList(db, big);
  setrlimit(RLIMIT_FSIZE, &old);

  EXPECT_FALSE(saved);
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_TRUE(reporter.boxes[0].starts_with("Can't write the text file : " + path));
  EXPECT_EQ(ReadFile(path), "previous list");
  EXPECT_EQ(ReadFile(dir.File("list.bak")), "previous list");
  EXPECT_EQ(dir.FileCount(), 2u);
}

TEST_F(SaveSectionListTest, LoadSaveLoadIsStable) {
  for (unsigned seed = 1; seed <= 5; ++seed) {
    SCOPED_TRACE(seed);
    const std::string path = dir.Write("gen.txt", test::GeneratedList(200, seed));
    CListDB db(reporter, options, path);
    Fields first, second;
    ASSERT_TRUE(LoadSectionList(db, first));
    ASSERT_TRUE(SaveSectionList(db, first));
    ASSERT_TRUE(LoadSectionList(db, second));
    EXPECT_EQ(first, second);
    // And the written text is a fixed point of the writer.
    const std::string once = ReadFile(path);
    ASSERT_TRUE(SaveSectionList(db, second));
    EXPECT_EQ(ReadFile(path), once);
  }
  EXPECT_TRUE(reporter.boxes.empty());
}

TEST_F(SaveSectionListTest, OddValuesSurviveTheRoundTrip) {
  // Names with blanks, long names, empty name (read back as "--"), a lone quote.
  const Fields list = Wrap("DIGITAL START",
                           {"1", "0", "11836", "27500", "H", "Two  blanks", "2", "0", "11836", "27500", "H",
                            "A comment that is long", "3", "0", "11836", "27500", "H", "--"},
                           "DIGITAL END");
  bool resave = false;
  Fields back;
  ASSERT_TRUE(ParseSectionList(FormatSectionList(list), reporter, back, resave));
  const auto start = std::find(back.begin(), back.end(), "DIGITAL START");
  ASSERT_LE(start + 20, back.end());
  EXPECT_EQ(std::vector<std::string>(start, start + 20), list);
}

}  // namespace
}  // namespace lumoscope
