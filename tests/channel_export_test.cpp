// The channel export: CSV that a CSV reader reads back to the same cells, JSON that
// parses, and files written whole or not at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "base/NameText.h"
#include "listview/ChannelExport.h"
#include "listview/ChannelTables.h"
#include "shell/ListExport.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempDir.h"
#include "tests/support/WorkingListBuilder.h"

namespace lumoscope::test {
namespace {

using Row = std::vector<std::string>;

// RFC 4180 as a spreadsheet reads it: quoted fields may hold commas, doubled quotes and
// line breaks; records end in CR LF.
std::vector<Row> ReadCsv(const std::string& text) {
  std::vector<Row> rows;
  Row row;
  std::string cell;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        cell += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        cell += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      row.push_back(std::move(cell));
      cell.clear();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      row.push_back(std::move(cell));
      cell.clear();
      rows.push_back(std::move(row));
      row.clear();
      ++i;
    } else {
      cell += c;
    }
  }
  EXPECT_TRUE(cell.empty() && row.empty()) << "the last record has no CR LF";
  return rows;
}

// Names that need quoting, blanks kept, and Latin-1 letters ("Caf\xE9" is "Café").
std::vector<std::string> AwkwardList() {
  WorkingListBuilder b;
  b.SatNames(32)
      .Satellite("0", "Sat, \"One\"")
      .Transponder("1", "0", "11494", "22000", "H", "Mux \"A\"")
      .Channel("1", "1", "0", "Say \"Hi\"")
      .Channel("2", "1", "0", "A, B")
      .Channel("3", "1", "0", " Caf\xE9 ")
      .PidChannel("4", "1", "0")
      .Analog("1", "0", "Line\r\nTwo");
  return b.Build();
}

// The cells of a row without its kind and its empty columns, sorted: the same multiset
// for the exported row and the joined row means every column went out once, unchanged.
Row NonEmptySorted(Row cells) {
  std::erase(cells, std::string());
  std::sort(cells.begin(), cells.end());
  return cells;
}

TEST(ChannelExport, CsvReadsBackToTheJoinedRows) {
  const std::vector<std::string> fields = AwkwardList();
  std::vector<std::string> digital, analog;
  JoinChannelTables(fields, digital, analog);

  const std::vector<Row> rows = ReadCsv(ExportChannelList(fields, ExportFormat::Csv, NameCodec()));
  ASSERT_EQ(rows.size(), 1u + 4u + 1u);  // header, 3 channels and a PID channel, one analog
  for (const Row& r : rows) EXPECT_EQ(r.size(), rows[0].size());
  EXPECT_EQ(rows[0][0], "Kind");
  const auto nameColumn = std::find(rows[0].begin(), rows[0].end(), "Name") - rows[0].begin();

  const char* kinds[] = {"digital", "digital", "digital", "pid", "analog"};
  for (size_t r = 0; r < 5; ++r) {
    const Row& got = rows[r + 1];
    EXPECT_EQ(got[0], kinds[r]);
    const bool isDigital = r < 4;
    const int width = isDigital ? kDigitalRowWidth : kAnalogRowWidth;
    const std::string* joined = (isDigital ? digital.data() + r * width : analog.data());
    Row expected;
    for (int c = 0; c < width; ++c) expected.push_back(NameCodec().Decode(joined[c]));
    // Between the kind and the program number, the joined row's cells.
    EXPECT_EQ(NonEmptySorted(Row(got.begin() + 1, got.end() - 1)), NonEmptySorted(expected)) << r;
  }
  EXPECT_EQ(rows[1][nameColumn], "Say \"Hi\"");
  EXPECT_EQ(rows[2][nameColumn], "A, B");
  EXPECT_EQ(rows[3][nameColumn], " Caf\u00e9 ");
  EXPECT_EQ(rows[5][nameColumn], "Line\r\nTwo");
}

TEST(ChannelExport, JsonParsesWithOneObjectPerChannel) {
  const auto json = nlohmann::json::parse(ExportChannelList(AwkwardList(), ExportFormat::Json, NameCodec()));
  EXPECT_EQ(json["format"], kExportJsonFormat);
  EXPECT_EQ(json["version"], kExportJsonVersion);
  ASSERT_EQ(json["digital"].size(), 4u);
  ASSERT_EQ(json["analog"].size(), 1u);
  EXPECT_EQ(json["digital"][2]["name"], " Caf\u00e9 ");
  EXPECT_EQ(json["digital"][3]["kind"], "pid");
  EXPECT_EQ(json["digital"][3]["video_pid"], "100");
  // The kind, the joined row's columns and the program number.
  EXPECT_EQ(json["digital"][0].size(), 2u + kDigitalRowWidth);
  // Every object says its kind, the analog ones too.
  EXPECT_EQ(json["analog"][0].size(), 2u + kAnalogRowWidth);
  EXPECT_EQ(json["analog"][0]["kind"], "analog");
  EXPECT_EQ(json["analog"][0]["satellite_name"], "Sat, \"One\"");
}

TEST(ChannelExport, FormatByNameAndFilesWrittenWhole) {
  EXPECT_EQ(ExportFormatOf("list.json"), ExportFormat::Json);
  EXPECT_EQ(ExportFormatOf("LIST.JSON"), ExportFormat::Json);
  EXPECT_EQ(ExportFormatOf("list.csv"), ExportFormat::Csv);
  EXPECT_EQ(ExportFormatOf("json"), ExportFormat::Csv);

  TempDir dir;
  RecordingReporter reporter;
  const std::vector<std::string> fields = AwkwardList();
  ASSERT_TRUE(WriteChannelExport(fields, dir.File("list.txt"), dir.File("out.csv"), ExportFormat::Csv,
                                 NameCodec(), reporter));
  EXPECT_EQ(ReadFile(dir.File("out.csv")), ExportChannelList(fields, ExportFormat::Csv, NameCodec()));
  EXPECT_FALSE(WriteChannelExport(fields, dir.File("list.txt"), dir.File("no/such/folder.csv"),
                                  ExportFormat::Csv, NameCodec(), reporter));
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_NE(reporter.boxes[0].find(dir.File("no/such/folder.csv")), std::string::npos);
  EXPECT_EQ(dir.FileNames(), std::vector<std::string>{"out.csv"});
}

}  // namespace
}  // namespace lumoscope::test
