#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include "base/FileFailure.h"
#include "base/TextLines.h"
#include "database/ListDB.h"
#include "database/ReaderMessages.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/SampleLists.h"
#include "tests/support/TempDir.h"
#include "transfer/SectionListLoader.h"
#include "transfer/SectionListParser.h"

namespace lumoscope {
namespace {

using test::Crlf;
using test::RecordingReporter;
using Fields = std::vector<std::string>;

// Parses list text as the loader does after its validate-only check.
struct Loaded {
  bool ok;
  Fields fields;
  bool resave;
  std::vector<std::string> boxes;
};

Loaded Parse(const std::string& text) {
  RecordingReporter r;
  Loaded out{};
  out.ok = ParseSectionList(text, r, out.fields, out.resave);
  out.boxes = r.boxes;
  return out;
}

// Fields between `start` and the next marker.
Fields Section(const Fields& f, const std::string& start) {
  auto it = std::find(f.begin(), f.end(), start);
  if (it == f.end()) return {};
  Fields out;
  for (++it;
       it != f.end() && it->find(" END") == std::string::npos && it->find(" START") == std::string::npos;
       ++it)
    out.push_back(*it);
  return out;
}

TEST(SectionListParser, SmallListGivesMarkersAndFieldsInFileOrder) {
  const Loaded l = Parse(test::SmallValidList(2));
  ASSERT_TRUE(l.ok);
  EXPECT_TRUE(l.boxes.empty());
  EXPECT_FALSE(l.resave);
  const Fields expectedSat = {"0", "Astra 19E", "N", "10600", "09750", "192", "0",
                              "1", "Hotbird",   "N", "10600", "09750", "130", "-1"};
  EXPECT_EQ(Section(l.fields, "SATELLITE START"), expectedSat);
  EXPECT_EQ(Section(l.fields, "SAT_NAME START"), (Fields{"1", "Slot 1", "2", "Slot 2"}));
  EXPECT_EQ(Section(l.fields, "CHANNEL_PID START"),
            (Fields{"0", "2", "1", "TV", "PidOne", "511", "512", "511", "0", "N"}));
  EXPECT_EQ(Section(l.fields, "DIGITAL START")[11], "Two words");
  EXPECT_EQ(Section(l.fields, "ANALOG START").size(), 36u);
  // Markers in the order of the headers.
  Fields markers;
  for (const auto& f : l.fields)
    if (f.ends_with(" START") || f.ends_with(" END")) markers.push_back(f);
  EXPECT_EQ(markers, (Fields{"SAT_NAME START", "SAT_NAME END", "SATELLITE START", "SATELLITE END",
                             "DIGITAL START", "DIGITAL END", "CHANNEL START", "CHANNEL END",
                             "CHANNEL_PID START", "CHANNEL_PID END", "ANALOG START", "ANALOG END"}));
}

TEST(SectionListParser, RecordTokensPadAndCut) {
  const Loaded l =
      Parse(Crlf({"[DIGITAL TP]", "5 0 11836", "6 0 11836 27500 H note trailing words", "[END]"}));
  ASSERT_TRUE(l.ok);
  EXPECT_EQ(Section(l.fields, "DIGITAL START"),
            (Fields{"5", "0", "11836", "", "", "", "6", "0", "11836", "27500", "H", "note"}));
}

TEST(SectionListParser, SatelliteForms) {
  const Loaded l = Parse(Crlf({"[SATELLITE]", "0 A N 10600 09750 192", "1 B Y 10600 09750 192 65535",
                               "2 C N 10600 09750 192 32768 # comment 5", "3 D N 10600 09750 192 x7",
                               "4 E 10600 09750 192", "5 F 10600 09750 192 65535", "[END]"}));
  ASSERT_TRUE(l.ok) << (l.boxes.empty() ? "" : l.boxes[0]);
  const Fields s = Section(l.fields, "SATELLITE START");
  ASSERT_EQ(s.size(), 42u);
  EXPECT_EQ(s[6], "0");        // six tokens with the blank flag
  EXPECT_EQ(s[13], "-1");      // 65535 as signed 16 bits
  EXPECT_EQ(s[20], "-32768");  // 32768
  EXPECT_EQ(s[27], "0");       // no leading number
  EXPECT_EQ((Fields{s.begin() + 28, s.begin() + 35}), (Fields{"4", "E", "N", "10600", "09750", "192", "0"}));
  EXPECT_EQ(s[41], "65535");  // the older form keeps its positioner as written
}

TEST(SectionListParser, SatelliteWithTooFewValuesIsRefused) {
  for (const char* line : {"0 A N 10600 09750", "0 A 10600 09750", "0 A N 10600 09750 # 192 0"}) {
    SCOPED_TRACE(line);
    const Loaded l = Parse(Crlf({"[SATELLITE]", line, "[END]"}));
    EXPECT_FALSE(l.ok);
    EXPECT_EQ(l.boxes, std::vector<std::string>{"Satellite Section's information is illegal!!!"});
    EXPECT_TRUE(l.fields.empty());
  }
}

TEST(SectionListParser, MissingPidAndAnalogSectionsAreAddedBehindTheChannels) {
  const Loaded l = Parse(Crlf({"[DIGITAL CHANNEL]", "0 0 0 1 TV A 0 N", "[DIGITAL TP]", "[END]"}));
  ASSERT_TRUE(l.ok);
  EXPECT_EQ(l.fields, (Fields{"CHANNEL START", "0", "0", "0", "1", "TV", "A", "0", "N", "CHANNEL END",
                              "CHANNEL_PID START", "CHANNEL_PID END", "ANALOG START", "ANALOG END",
                              "DIGITAL START", "DIGITAL END"}));

  const Loaded none = Parse(Crlf({"[SATELLITE]", "[END]"}));
  ASSERT_TRUE(none.ok);
  EXPECT_EQ(none.boxes, std::vector<std::string>(2, kAnchorMissingMessage));
  EXPECT_EQ(none.fields, (Fields{"SATELLITE START", "SATELLITE END"}));
}

TEST(SectionListParser, HeadersEndAndUnknownBrackets) {
  const Loaded l = Parse(Crlf({"0 0 0 ignored before any header", "[DIGITAL PID CHANNEL] # comment",
                               " [ANALOG TP]", "[NOTHING]", "[END]", "[ANALOG TP]", "0 0 1234 KU X"}));
  ASSERT_TRUE(l.ok);
  // The indented header is a record of the PID section; the analog section after
  // [END] is never read, so it is added empty.
  EXPECT_EQ(Section(l.fields, "CHANNEL_PID START"),
            (Fields{"[ANALOG", "TP]", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(Section(l.fields, "ANALOG START"), Fields{});
}

TEST(SectionListParser, FileWithoutEndLeavesItsLastSectionOpen) {
  const Loaded l = Parse("[ANALOG TP]\r\n[DIGITAL PID CHANNEL]\n0 0 0 TV P 1 2 3 0 N");
  ASSERT_TRUE(l.ok);
  EXPECT_EQ(l.fields.front(), "ANALOG START");
  EXPECT_EQ(l.fields[1], "ANALOG END");
  EXPECT_EQ(l.fields[2], "CHANNEL_PID START");
  EXPECT_EQ(l.fields.back(), "N");
}

TEST(SectionListParser, LinesEndLikeTheReaders) {
  // Bare LF, CR LF and a last line without its end give the same list.
  const Loaded crlf = Parse("[SAT_NAME]\r\n[SATELLITE_NAME_LIST]\r\n1 A\r\n[END]\r\n");
  const Loaded lf = Parse("[SATELLITE_NAME_LIST]\n1 A\n[END]");
  ASSERT_TRUE(crlf.ok);
  ASSERT_TRUE(lf.ok);
  EXPECT_EQ(Section(crlf.fields, "SAT_NAME START"), Section(lf.fields, "SAT_NAME START"));

  const Loaded tooLong = Parse("[SATELLITE_NAME_LIST]\r\n1 " + std::string(497, 'x') + "\r\n[END]\r\n");
  EXPECT_FALSE(tooLong.ok);
  EXPECT_EQ(tooLong.boxes,
            std::vector<std::string>{"\n  ERROR : check the following line!!   \n ==> line number 2 "});
}

TEST(SectionListParser, OpenQuoteNamesItsLine) {
  const Loaded l = Parse(Crlf({"# one", "", "[SATELLITE_NAME_LIST]", "1 \"Open"}));
  EXPECT_FALSE(l.ok);
  EXPECT_EQ(l.boxes,
            std::vector<std::string>{"\n  ERROR : check the following line!!   \n ==> line number 4 "});
}

TEST(SectionListParser, RepeatedSectionMergesIntoItsFirstOccurrence) {
  const Loaded l = Parse(Crlf({"[DIGITAL TP]", "0 0 11836 27500 H a", "[DIGITAL CHANNEL]", "0 0 0 1 TV A 0 N",
                               "[DIGITAL TP]", "1 0 11900 27500 V b", "[END]"}));
  ASSERT_TRUE(l.ok);
  EXPECT_EQ(std::count(l.fields.begin(), l.fields.end(), "DIGITAL START"), 1);
  EXPECT_EQ(Section(l.fields, "DIGITAL START"),
            (Fields{"0", "0", "11836", "27500", "H", "a", "1", "0", "11900", "27500", "V", "b"}));
  EXPECT_EQ(l.fields[0], "DIGITAL START");
  EXPECT_EQ(l.fields[13], "DIGITAL END");
  EXPECT_EQ(l.fields[14], "CHANNEL START");
}

TEST(SectionListParser, ResaveFlagAndHexPrefixOfTheServiceId) {
  const auto channel = [](const std::string& line) {
    return Parse(Crlf({"[DIGITAL CHANNEL]", line, "[END]"}));
  };
  Loaded l = channel("0 3 0 0x6d66 TV A 0 N");
  EXPECT_TRUE(l.ok);
  EXPECT_FALSE(l.resave);
  EXPECT_TRUE(l.boxes.empty());
  EXPECT_EQ(Section(l.fields, "CHANNEL START")[3], "0x6d66");  // kept as written

  EXPECT_TRUE(channel("0 3 0 0X0 TV A 0 N").resave);
  EXPECT_TRUE(channel("0 0 0 6D66 TV A 0 N").resave);  // D_TP index 0

  l = channel("0 3 0 6Q TV A 0 N");
  EXPECT_FALSE(l.resave);
  EXPECT_EQ(l.boxes, std::vector<std::string>{"Conversion form Hex string to Int is failed"});
}

TEST(SectionListParser, NameSpelledLikeAMarkerIsRefused) {
  const Loaded l =
      Parse(Crlf({"[DIGITAL CHANNEL]", "0 1 0 1 TV Good 0 N", "1 1 0 1 TV \"CHANNEL END\" 0 N"}));
  EXPECT_FALSE(l.ok);
  ASSERT_EQ(l.boxes.size(), 1u);
  EXPECT_NE(l.boxes[0].find("\"CHANNEL END\""), std::string::npos);
  EXPECT_NE(l.boxes[0].find("line number 3"), std::string::npos);
  EXPECT_TRUE(l.fields.empty());

  // A D_TP comment is cut by the compiler, so a long marker fits there too.
  EXPECT_FALSE(Parse(Crlf({"[DIGITAL TP]", "0 0 11836 27500 H \"CHANNEL_PID START\""})).ok);
  // Not a marker: different case, or blanks only in a non-name field.
  EXPECT_TRUE(Parse(Crlf({"[DIGITAL TP]", "0 0 11836 27500 H \"channel end\""})).ok);
}

TEST(LoadSectionList, ChecksFirstThenReadsTheFile) {
  test::TempDir dir;
  RecordingReporter reporter;
  AppOptions options;
  CListDB db(reporter, options, dir.Write("list.txt", test::SmallValidList()));
  db.resaveFlag = true;
  Fields fields;
  ASSERT_TRUE(LoadSectionList(db, fields));
  EXPECT_FALSE(db.validateOnly);
  EXPECT_FALSE(db.resaveFlag);
  EXPECT_EQ(fields.front(), "SAT_NAME START");
  EXPECT_TRUE(reporter.boxes.empty());
}

// A file the check refuses (or cannot read) shows the check's message, then the loader's
// own, and nothing else; the list gets nothing.
TEST(LoadSectionList, RefusedFilesTellTheCheckThenTheLoad) {
  test::TempDir dir;
  const std::string refused = "The Text Format is not correct";
  const std::string unreadable = dir.File("none.txt");
  const std::string names = dir.Write("names.txt", test::SmallValidList(31));
  const std::string quote = dir.Write("quote.txt", Crlf({"# list", "[SATELLITE_NAME_LIST]", "1 \"Open"}));
  struct Case {
    std::string path;
    std::string checkMessage;
  };
  const Case cases[] = {
      {unreadable,
       WithFailure(Format(msg::kCantOpenInput, unreadable.c_str()), FailureFromErrno(unreadable, ENOENT))},
      {names, Format(msg::kSatNameCount, 32, 34)},
      {quote, Format(kCheckLineMessage, 3)},
  };
  for (const Case& c : cases) {
    RecordingReporter reporter;
    AppOptions options;
    CListDB db(reporter, options, c.path);
    Fields fields;
    EXPECT_FALSE(LoadSectionList(db, fields)) << c.path;
    EXPECT_TRUE(fields.empty()) << c.path;
    EXPECT_EQ(reporter.boxes, (std::vector<std::string>{c.checkMessage, refused})) << c.path;
  }
}

}  // namespace
}  // namespace lumoscope
