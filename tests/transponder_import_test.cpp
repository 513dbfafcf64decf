// Transponders from DVB scan tables: reading the tables of both formats, finding the
// installed ones, and adding their entries to a satellite of the list.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "base/ListLimits.h"
#include "base/SectionLocator.h"
#include "editing/ScanTableCatalog.h"
#include "editing/TransponderImport.h"
#include "tests/support/TempDir.h"
#include "tests/support/WorkingListBuilder.h"

namespace lumoscope::test {
namespace {

const std::string kTables = std::string(LUMOSCOPE_SOURCE_DIR) + "/tests/data/scan-tables";

ScanTable ReadTable(const std::string& path) {
  std::string error;
  const std::optional<ScanTable> table = ReadScanTable(path, error);
  EXPECT_TRUE(table) << error;
  return table.value_or(ScanTable{});
}

// Satellite 3 (at 19.2E) has 11493 H (the table's 11494 H); satellite 5 is elsewhere.
WorkingListBuilder TwoSatellites(const std::string& firstName = "Testsat 19.2E") {
  WorkingListBuilder b;
  b.SatNames(32)
      .Satellite("3", firstName)
      .Satellite("5", "Other 13E", "10600", "09750", "1", "0130")
      .Transponder("7", "3", "11493", "22000", "H")
      .Transponder("12", "5", "11778", "27500", "V")
      .Channel("1", "7", "3");
  return b;
}

// The DIGITAL section's records, 6 strings each.
std::vector<std::vector<std::string>> Transponders(const std::vector<std::string>& fields) {
  std::vector<std::vector<std::string>> out;
  auto it = std::find(fields.begin(), fields.end(), "DIGITAL START") + 1;
  for (; *it != "DIGITAL END"; it += 6) out.emplace_back(it, it + 6);
  return out;
}

TEST(ScanTable, BothFormatsGiveTheSameEntries) {
  const ScanTable v5 = ReadTable(kTables + "/Testsat-19.2E");
  const ScanTable oneLine = ReadTable(kTables + "/Testsat-legacy-19.2E");
  EXPECT_EQ(v5.name, "Testsat-19.2E");
  ASSERT_EQ(v5.entries.size(), 6u);  // five for a satellite, one terrestrial
  ASSERT_EQ(oneLine.entries.size(), 5u);
  for (size_t i = 0; i < oneLine.entries.size(); ++i) {
    EXPECT_EQ(v5.entries[i].delivery, oneLine.entries[i].delivery) << i;
    EXPECT_EQ(v5.entries[i].frequencyKHz, oneLine.entries[i].frequencyKHz) << i;
    EXPECT_EQ(v5.entries[i].symbolRate, oneLine.entries[i].symbolRate) << i;
    EXPECT_EQ(v5.entries[i].polarization, oneLine.entries[i].polarization) << i;
  }
  EXPECT_EQ(v5.entries[5].delivery, ScanDelivery::Other);
}

TEST(ScanTable, RefusesWhatIsNoTableNamingTheLine) {
  TempDir dir;
  struct Case {
    std::string text;
    const char* why;
  };
  const Case cases[] = {
      {"[CHANNEL]\n\tDELIVERY_SYSTEM = " + std::string(300, 'D') + "\n", "line 2 is longer than"},
      {"[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS # not a comment after a value\n", "line 2 gives DELIVERY_SYSTEM"},
      {"[CHANNEL]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 11494 MHz\n", "line 3 gives FREQUENCY"},
      {"S 11494000 H 22000000 5/6\n[" + std::string(20, 'x') + "\n", "line 2 is not a transponder line"},
      {std::string("S 1\0 H 2 3/4\n", 13), "line 1 holds a zero byte"},
      {"FREQUENCY = 12\n", "line 1 is not a transponder line"},
      {"[A]\nFREQUENCY\n", "line 2 is neither a [group]"},
      {"# nothing but a comment\n", "neither in the dvbv5 format"},
  };
  for (const Case& c : cases) {
    const std::string path = dir.Write("table", c.text);
    std::string error;
    EXPECT_FALSE(ReadScanTable(path, error)) << c.why;
    EXPECT_THAT(error, testing::HasSubstr(path)) << c.why;
    EXPECT_THAT(error, testing::HasSubstr(c.why));
  }
  for (const std::string& path : {dir.File("missing"), dir.Path().string()}) {
    std::string error;
    EXPECT_FALSE(ReadScanTable(path, error));
    EXPECT_THAT(error, testing::HasSubstr(path));
  }
}

// Comments, blank lines and line ends as a person means them: an indented comment, a
// blank line holding a tab or a carriage return, and Windows line ends.
TEST(ScanTable, CommentsBlankLinesAndLineEndsAsAPersonMeansThem) {
  const std::string junk = "\t#sDTRANSSSI" + std::string(60, '\xff') + "M";
  const std::string oneLine =
      junk + "\r\n\t\r\nS 11494000 H 22000000 5/6\r\n \t\nS 11778000 V 27500000 3/4\n";
  const std::string v5 = junk + "\n[Grupo \xe1 " + std::string(80, '~') +
                         "]\r\n\tDELIVERY_SYSTEM = DVBS\r\n\tFREQUENCY  =\t11494000\r\n\t\r\n";
  for (const auto& [text, entries] : {std::pair{oneLine, 2u}, std::pair{v5, 1u}}) {
    std::string error;
    const std::optional<ScanTable> table = ParseScanTable(text, "table", error);
    ASSERT_TRUE(table) << error;
    EXPECT_EQ(table->entries.size(), entries);
    EXPECT_EQ(table->entries[0].frequencyKHz, 11494000u);
  }
}

TEST(TransponderImport, AddsTheNewOnesAboveTheLargestIndexInOneUndoStep) {
  FakeListView view(TwoSatellites().Build());
  const std::vector<std::string> before = view.fields;
  const auto report = ImportTransponders(view, ReadTable(kTables + "/Testsat-19.2E"), {"3"});
  ASSERT_TRUE(report);
  EXPECT_EQ(report->added, 3u);         // 11778 V, 3880 L as H, 4020 R as V
  EXPECT_EQ(report->alreadyThere, 2u);  // 11494 H is the list's 11493 H; 11779 V repeats 11778 V
  EXPECT_EQ(report->circular, 2u);
  EXPECT_EQ(report->otherSystems, 1u);
  EXPECT_EQ(report->unusable, 0u);

  const auto tps = Transponders(view.fields);
  ASSERT_EQ(tps.size(), 5u);
  using Record = std::vector<std::string>;
  EXPECT_EQ(tps[2],
            (Record{"13", "3", "11778", "27500", "V", "DVB-S2"}));  // 11778 V on satellite 5 is not 3's
  EXPECT_EQ(tps[3], (Record{"14", "3", "3880", "27500", "H", "DVB-S"}));
  EXPECT_EQ(tps[4], (Record{"15", "3", "4020", "0725", "V", "DVB-S"}));
  ASSERT_EQ(view.undo.size(), 1u);
  EXPECT_EQ(view.undo[0].label, kImportUndoLabel);
  EXPECT_EQ(view.undo[0].fields, before);
  EXPECT_EQ(view.refreshes, 1);

  const std::string text = ImportReportText(*report, NameCodec());
  for (const char* part : {"3 transponders added", "2 already", "2 with circular", "1 skipped"})
    EXPECT_NE(text.find(part), std::string::npos) << text;
  EXPECT_EQ(text.find("Note:"), std::string::npos) << text;  // the table is the satellite's own

  // A second import finds every one there: nothing changes, no undo step.
  const std::vector<std::string> once = view.fields;
  const auto again = ImportTransponders(view, ReadTable(kTables + "/Testsat-19.2E"), {"3"});
  ASSERT_TRUE(again);
  EXPECT_EQ(again->added, 0u);
  EXPECT_EQ(view.fields, once);
  EXPECT_EQ(view.undo.size(), 1u);
  // The table of 19.2E imported to the satellite at 13E: the report says so.
  const auto elsewhere = ImportTransponders(view, ReadTable(kTables + "/Testsat-19.2E"), {"5"});
  ASSERT_TRUE(elsewhere);
  const std::string note = ImportReportText(*elsewhere, NameCodec());
  EXPECT_NE(note.find("for 19.2E, but the satellite is at 13.0E"), std::string::npos) << note;
}

TEST(TransponderImport, RefusedWholeWhenTheListWouldPassItsLimits) {
  struct Case {
    WorkingListBuilder list;
    ImportTarget target;
    std::string message;
  };
  WorkingListBuilder nearlyFull = TwoSatellites();
  nearlyFull.Transponder(std::to_string(kMaxTransponderIndex - 1), "5", "12000", "27500", "H");
  WorkingListBuilder allSatellites;
  for (int i = 0; i <= 49; ++i) allSatellites.Satellite(std::to_string(i), "S");
  const Case cases[] = {
      {nearlyFull, {"3"}, kListFullMessage},
      {allSatellites, {std::nullopt}, "every satellite index from 0 to 49 is taken"},
      {TwoSatellites(), {"4"}, "no satellite with the index 4"},
  };
  for (const Case& c : cases) {
    FakeListView view(c.list.Build());
    const std::vector<std::string> before = view.fields;
    EXPECT_FALSE(ImportTransponders(view, ReadTable(kTables + "/Testsat-19.2E"), c.target));
    EXPECT_EQ(view.fields, before);
    EXPECT_TRUE(view.undo.empty());
    ASSERT_EQ(view.reporter.boxes.size(), 1u);
    EXPECT_NE(view.reporter.boxes[0].find(c.message), std::string::npos) << view.reporter.boxes[0];
  }
}

TEST(TransponderImport, MakesANewSatelliteFromTheTablesName) {
  FakeListView view(TwoSatellites("Testsat").Build());  // at 19.2E, but of another name
  const auto report = ImportTransponders(view, ReadTable(kTables + "/Testsat-19.2E"), {std::nullopt});
  ASSERT_TRUE(report);
  EXPECT_TRUE(report->newSatellite);
  EXPECT_EQ(report->satelliteIndex, "6");
  EXPECT_EQ(report->added, 4u);  // nothing is there yet on a new satellite; 11779 V still repeats
  const auto sat = std::find(view.fields.begin(), view.fields.end(), "SATELLITE END") - 7;
  EXPECT_EQ(std::vector<std::string>(sat, sat + 7),
            (std::vector<std::string>{"6", "Testsat 19.2E", "N", "10600", "9750", "19", "192"}));
  EXPECT_EQ(Transponders(view.fields).back()[1], "6");
  EXPECT_EQ(view.undo.size(), 1u);
}

TEST(TransponderImport, KeepsOnlyFrequenciesAnLnbReceivesAndNamesTheLinesOfTheOthers) {
  std::string error;
  const std::optional<ScanTable> table = ParseScanTable(
      "S 12207 H 27500000 3/4\nS 4090 V 27500000 3/4\nS 3400000 H 27500000 3/4\nS 22200000 V 27500000 3/4\n"
      "S 22200001 V 27500000 3/4\nS 12750000 H 27500000 3/4\n",
      "Testsat-19.2E", error);
  ASSERT_TRUE(table) << error;
  FakeListView view(TwoSatellites().Build());
  const auto report = ImportTransponders(view, *table, {"3"});
  ASSERT_TRUE(report);
  EXPECT_EQ(report->added, 3u);  // the edges of the C, Ka and Ku bands
  using Skipped = std::vector<std::pair<int, uint32_t>>;
  EXPECT_EQ(report->outOfBand, (Skipped{{1, 12207}, {2, 4090}, {5, 22200001}}));
  EXPECT_THAT(ImportReportText(*report, NameCodec()),
              testing::HasSubstr("3 skipped: a frequency outside the bands a satellite LNB receives"));
  EXPECT_THAT(ImportReportText(*report, NameCodec()),
              testing::HasSubstr("line 1 (12207 kHz), line 2 (4090 kHz), line 5 (22200001 kHz)."));
}

TEST(TransponderImport, NewSatelliteOfTheSamePositionAndNameIsTheOneTheListHas) {
  FakeListView view(TwoSatellites().Build());  // satellite 3 is "Testsat 19.2E" at 19.2E
  const auto report = ImportTransponders(view, ReadTable(kTables + "/Testsat-19.2E"), {std::nullopt});
  ASSERT_TRUE(report);
  EXPECT_TRUE(report->reusedSatellite);
  EXPECT_FALSE(report->newSatellite);
  EXPECT_EQ(report->satelliteIndex, "3");
  EXPECT_EQ(report->added, 3u);  // as when satellite 3 is chosen
  EXPECT_EQ(SectionLocator(view.fields)[Section::Satellite].Records(), 2u);
  EXPECT_THAT(ImportReportText(*report, NameCodec()), testing::HasSubstr("The list already has a satellite"));
}

TEST(TransponderImport, SatelliteNamesFromTableNames) {
  struct Case {
    const char* table;
    const char* name;
    const char* position;
    const char* degree;
  };
  const Case cases[] = {
      {"Astra-19.2E", "Astra 19.2E", "19", "0192"},
      {"Thor-5-0.8W", "Thor 5 0.8W", "0", "-0008"},
      {"Hotbird-13.0E", "Hotbird 13.0E", "13", "0130"},
      {"Eutelsat-10A-10.0E", "Eutelsat 10E", "10", "0100"},  // ".0" goes first, then words
      {"Intelsat-10-02-1.0W", "Intelsat 1W", "1", "-0010"},
      {"TurkmenlemMonacoSat-52.0E", "Turkmenle 52E", "52", "0520"},  // one long word is cut
      // What a satellite's name cannot hold parts words; letters are stored in the name
      // encoding (ISO-8859-1), those it has not as "?".
      {"Foo#Bar-19.2E", "Foo Bar 19.2E", "19", "0192"},
      {"A~B-1.0W", "A B 1.0W", "1", "-0010"},
      {"\xC3\x84stra-19.2E", "\xC4stra 19.2E", "19", "0192"},
      {"\xC5\x81\xC3\xB3"
       "d\xC5\xBA-1.0W",
       "?\xF3"
       "d? 1.0W",
       "1", "-0010"},
  };
  for (const Case& c : cases) {
    const auto s = SatelliteFromTableName(c.table);
    ASSERT_TRUE(s) << c.table;
    EXPECT_EQ(s->name, c.name);
    EXPECT_EQ(s->position, c.position) << c.table;
    EXPECT_EQ(s->degree, c.degree) << c.table;
  }
  EXPECT_FALSE(SatelliteFromTableName("my-transponders.conf"));
}

TEST(ScanTableCatalog, ListsFindsAndPreselects) {
  TempDir dir;
  for (const char* name : {"Astra-1KR-19.2E", "Astra-19.2E", "Astra-28.2E", "Hotbird-13.0E", "Thor-5-0.8W"})
    dir.Write(name, "");
  const std::string folder = dir.Path().string();
  const std::vector<std::string> names = ListScanTables(folder);
  ASSERT_EQ(names.size(), 5u);
  EXPECT_EQ(names[0], "Astra-19.2E");

  struct Case {
    const char* satellite;
    const char* degree;
    std::optional<std::string> table;
  };
  const Case cases[] = {
      {"Astra 19.2E", "0", "Astra-19.2E"},    // position from the name, shortest of the Astras there
      {"ASTRA", "282", "Astra-28.2E"},        // position from the Degree
      {"Hotbird 13E", "0", "Hotbird-13.0E"},  // "13E" is 13.0E
      {"Sky", "192", "Astra-19.2E"},          // the position alone
      {"Thor", "-0008", "Thor-5-0.8W"},
      {"Astra", "0", "Astra-19.2E"},  // no position: the shortest of the same first word
      {"Amos 4W", "0", std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<size_t> found = TableForSatellite(names, c.satellite, c.degree);
    EXPECT_EQ(found ? std::optional(names[*found]) : std::nullopt, c.table) << c.satellite;
  }

  std::string error;
  EXPECT_EQ(FindScanTable("Hotbird-13.0E", folder, error), dir.File("Hotbird-13.0E"));
  EXPECT_EQ(FindScanTable(kTables + "/Testsat-19.2E", folder, error), kTables + "/Testsat-19.2E");
  EXPECT_FALSE(FindScanTable("Amos-4.0W", folder, error));
  EXPECT_NE(error.find("no scan table named \"Amos-4.0W\""), std::string::npos) << error;
  EXPECT_FALSE(FindScanTable("Amos-4.0W", dir.File("none"), error));
  EXPECT_EQ(error, kScanTablesMissingMessage);
}

TEST(ScanTableCatalog, ReadsTheInstalledTables) {
  const std::vector<std::string> names = ListScanTables(kInstalledScanTableFolder);
  if (names.empty()) GTEST_SKIP() << "dtv-scan-tables is not installed";
  // The checks in front of the library refuse none of the real tables.
  for (const std::string& name : names) {
    std::string error;
    EXPECT_TRUE(ReadScanTable(std::string(kInstalledScanTableFolder) + "/" + name, error)) << error;
  }
  FakeListView view(TwoSatellites().Build());
  const auto report = ImportTransponders(
      view, ReadTable(std::string(kInstalledScanTableFolder) + "/Astra-19.2E"), {std::nullopt});
  ASSERT_TRUE(report);
  EXPECT_GE(report->added, 1u);
  EXPECT_EQ(report->satelliteName, "Astra 19.2E");
}

}  // namespace
}  // namespace lumoscope::test
