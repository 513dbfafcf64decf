#include "listview/ChannelExport.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <nlohmann/json.hpp>

#include "base/NameText.h"
#include "base/SectionLocator.h"
#include "listview/ChannelColumns.h"
#include "listview/ChannelTables.h"
#include "listview/ProgramNumbers.h"

namespace lumoscope {

namespace {

constexpr int kNone = -1;

// One column of the export: its place in the joined digital and analog rows (kNone where
// that kind has no such column), the view whose title heads it in the CSV, and its JSON key.
struct ExportColumn {
  int digital;
  int analog;
  bool analogTitle;  // the analog view's title ("Frequency", where the digital view has "freqency")
  const char* key;
};

namespace d = digitalcol;
namespace a = analogcol;
constexpr std::array<ExportColumn, 31> kExportColumns{{
    {d::kNumber, a::kNumber, false, "number"},
    {d::kName, a::kName, false, "name"},
    {d::kType, a::kType, false, "type"},
    {d::kBlank, a::kBlank, false, "blank"},
    {d::kSatName, a::kSatName, false, "satellite_name"},
    {d::kSatIndex, a::kSatIndex, false, "satellite_index"},
    {d::kFrequency, a::kFrequency, true, "frequency"},
    {d::kPolarization, a::kPolarization, false, "polarization"},
    {d::kSymbolRate, kNone, false, "symbol_rate"},
    {d::kSvcId, kNone, false, "service_id"},
    {d::kTpIndex, kNone, false, "transponder_index"},
    {d::kVideoPid, kNone, false, "video_pid"},
    {d::kAudioPid, kNone, false, "audio_pid"},
    {d::kPcrPid, kNone, false, "pcr_pid"},
    {d::kActiveAudio, kNone, false, "active_audio"},
    {d::kBouquet, kNone, false, "bouquet"},
    {kNone, a::kBand, true, "band"},
    {kNone, a::kVideoBand, true, "video_band"},
    {kNone, a::kThreshold, true, "threshold"},
    {kNone, a::kContrast, true, "contrast"},
    {kNone, a::kDecoderOutput, true, "decoder_output"},
    {kNone, a::kAudioMode, true, "audio_mode"},
    {kNone, a::kAudioFrequencyLeft, true, "audio_frequency_left"},
    {kNone, a::kAudioFrequencyRight, true, "audio_frequency_right"},
    {kNone, a::kAudioBandwidth, true, "audio_bandwidth"},
    {kNone, a::kDnr, true, "dnr"},
    {kNone, a::kDeemphasis, true, "deemphasis"},
    {d::kLnbHigh, a::kLnbHigh, false, "lnb_high"},
    {d::kLnbLow, a::kLnbLow, false, "lnb_low"},
    {d::kPosition, a::kPosition, false, "position"},
    {d::kDegree, a::kDegree, false, "degree"},
}};

// Every column of both joined tables is exported exactly once.
template <int Width>
constexpr bool EachColumnOnce(int ExportColumn::*column) {
  for (int i = 0; i < Width; ++i) {
    int seen = 0;
    for (const ExportColumn& c : kExportColumns) seen += c.*column == i ? 1 : 0;
    if (seen != 1) return false;
  }
  return true;
}
static_assert(EachColumnOnce<kDigitalRowWidth>(&ExportColumn::digital));
static_assert(EachColumnOnce<kAnalogRowWidth>(&ExportColumn::analog));

constexpr const char* kKindTitle = "Kind";
constexpr const char* kKindKey = "kind";
// The receiver's program number, after every column of the joined rows.
constexpr const char* kProgramNumberKey = "program_number";

// Every channel of the list: its kind and its joined row.
struct ChannelRows {
  std::vector<std::string> digital;
  std::vector<std::string> analog;
  size_t serviceRows = 0;  // the first digital rows are CHANNEL records, the rest CHANNEL_PID
  ProgramNumbers numbers;
  size_t DigitalCount() const { return digital.size() / kDigitalRowWidth; }
  size_t AnalogCount() const { return analog.size() / kAnalogRowWidth; }
  const std::string* DigitalRow(size_t r) const { return digital.data() + r * kDigitalRowWidth; }
  const std::string* AnalogRow(size_t r) const { return analog.data() + r * kAnalogRowWidth; }
  const char* DigitalKind(size_t r) const {
    return ChannelKindName(r < serviceRows ? Section::DigitalChannel : Section::PidChannel);
  }
};

ChannelRows Rows(const std::vector<std::string>& fields) {
  ChannelRows rows;
  JoinChannelTables(fields, rows.digital, rows.analog);
  const SectionLocator sections(fields);
  rows.serviceRows = sections[Section::DigitalChannel].Records();
  rows.numbers = NumberPrograms(fields, sections, rows.digital, rows.analog);
  return rows;
}

// RFC 4180: a field with a comma, a quote, a line break or blanks at its ends is quoted,
// its quotes doubled.
void AppendCsvField(std::string& out, const std::string& cell) {
  const bool quote = cell.find_first_of(",\"\r\n") != std::string::npos ||
                     (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
  if (!quote) {
    out += cell;
    return;
  }
  out += '"';
  for (const char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendCsvRecord(std::string& out, const std::vector<std::string>& cells) {
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out += ',';
    AppendCsvField(out, cells[i]);
  }
  out += "\r\n";
}

// One row of the table: the kind, then each column's cell from `row` (nothing where the
// kind has no such column), then the program number.
std::vector<std::string> CsvCells(const char* kind, const std::string* row, int number, bool digital,
                                  const NameCodec& names) {
  std::vector<std::string> cells{kind};
  for (const ExportColumn& c : kExportColumns) {
    const int at = digital ? c.digital : c.analog;
    cells.push_back(at == kNone ? std::string() : names.Decode(row[at]));
  }
  cells.push_back(ProgramNumberText(number));
  return cells;
}

std::string Csv(const ChannelRows& rows, const NameCodec& names) {
  std::vector<std::string> header{kKindTitle};
  for (const ExportColumn& c : kExportColumns)
    header.emplace_back(c.analogTitle ? kAnalogTitles[static_cast<size_t>(c.analog)]
                                      : kDigitalTitles[static_cast<size_t>(c.digital)]);
  header.emplace_back(kProgramNumberTitle);
  std::string out;
  AppendCsvRecord(out, header);
  for (size_t r = 0; r < rows.DigitalCount(); ++r)
    AppendCsvRecord(out,
                    CsvCells(rows.DigitalKind(r), rows.DigitalRow(r), rows.numbers.digital[r], true, names));
  for (size_t r = 0; r < rows.AnalogCount(); ++r)
    AppendCsvRecord(out, CsvCells(ChannelKindName(Section::AnalogTp), rows.AnalogRow(r),
                                  rows.numbers.analog[r], false, names));
  return out;
}

// The keys follow the order of the columns, so the objects read like the table.
nlohmann::ordered_json JsonObject(const std::string* row, int number, bool digital, const NameCodec& names) {
  nlohmann::ordered_json object = nlohmann::ordered_json::object();
  for (const ExportColumn& c : kExportColumns) {
    const int at = digital ? c.digital : c.analog;
    if (at != kNone) object[c.key] = names.Decode(row[at]);
  }
  object[kProgramNumberKey] = ProgramNumberText(number);
  return object;
}

// Every object starts with its kind, as every row of the table does.
nlohmann::ordered_json JsonObject(const char* kind, const std::string* row, int number, bool digital,
                                  const NameCodec& names) {
  nlohmann::ordered_json object{{kKindKey, kind}};
  object.update(JsonObject(row, number, digital, names));
  return object;
}

std::string Json(const ChannelRows& rows, const NameCodec& names) {
  nlohmann::ordered_json digital = nlohmann::ordered_json::array();
  for (size_t r = 0; r < rows.DigitalCount(); ++r)
    digital.push_back(
        JsonObject(rows.DigitalKind(r), rows.DigitalRow(r), rows.numbers.digital[r], true, names));
  nlohmann::ordered_json analog = nlohmann::ordered_json::array();
  for (size_t r = 0; r < rows.AnalogCount(); ++r)
    analog.push_back(JsonObject(ChannelKindName(Section::AnalogTp), rows.AnalogRow(r), rows.numbers.analog[r],
                                false, names));
  const nlohmann::ordered_json document{{"format", kExportJsonFormat},
                                        {"version", kExportJsonVersion},
                                        {"digital", std::move(digital)},
                                        {"analog", std::move(analog)}};
  return document.dump(2) + "\n";
}

}  // namespace

std::string ExportChannelList(const std::vector<std::string>& fields, ExportFormat format,
                              const NameCodec& names) {
  const ChannelRows rows = Rows(fields);
  return format == ExportFormat::Json ? Json(rows, names) : Csv(rows, names);
}

ExportFormat ExportFormatOf(const std::string& path) {
  constexpr std::string_view kJson = ".json";
  if (path.size() < kJson.size()) return ExportFormat::Csv;
  const std::string_view end = std::string_view(path).substr(path.size() - kJson.size());
  const bool json = std::equal(end.begin(), end.end(), kJson.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == b;
  });
  return json ? ExportFormat::Json : ExportFormat::Csv;
}

}  // namespace lumoscope
