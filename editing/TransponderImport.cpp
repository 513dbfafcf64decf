#include "editing/TransponderImport.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <vector>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/ListLimits.h"
#include "base/NameText.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "database/ListFill.h"
#include "editing/ChannelFormChecks.h"
#include "editing/FieldValues.h"
#include "editing/NewChannelSteps.h"
#include "editing/OrbitalPosition.h"
#include "editing/SatelliteLines.h"
#include "editing/TransponderSearch.h"

namespace lumoscope {

namespace {

constexpr const char* kSectionMissing =
    "The transponders cannot be imported: the %s section of the channel list is missing or damaged.";
constexpr const char* kSatellitesFull =
    "The list is full: every satellite index from 0 to 49 is taken. Nothing was changed.";
constexpr const char* kNoPositionInName =
    "No satellite can be made from the scan table \"%s\": its name does not end in an orbital position such "
    "as 19.2E. Choose one of the list's satellites instead.";

constexpr int kSatelliteIndexLimit = 49;

// The satellite a new one made from the table would repeat: same name, same orbital position.
std::optional<size_t> SameSatellite(const std::vector<std::string>& fields, const SectionSpan& satellites,
                                    const TableSatellite& made) {
  const std::optional<int> position = SatellitePosition(made.name, made.degree);
  for (size_t r = 0; r < satellites.Records(); ++r) {
    const std::string& name = fields[satellites.At(r, field::kSatName)];
    if (Trimmed(name) == made.name &&
        SatellitePosition(name, fields[satellites.At(r, field::kSatDegree)]) == position)
      return r;
  }
  return std::nullopt;
}

// One above the largest satellite index, or the lowest free one when that is the last.
std::optional<long> FreeSatelliteIndex(const std::vector<std::string>& fields,
                                       const SectionSpan& satellites) {
  const long next = LargestInField(fields, satellites, field::kIndex).value_or(-1) + 1;
  if (next >= 0 && next <= kSatelliteIndexLimit) return next;
  std::vector<bool> used(kSatelliteIndexLimit + 1, false);
  for (size_t r = 0; r < satellites.Records(); ++r) {
    const long i = LeadingInteger(fields[satellites.At(r, field::kIndex)]);
    if (i >= 0 && i <= kSatelliteIndexLimit) used[static_cast<size_t>(i)] = true;
  }
  for (long i = 0; i <= kSatelliteIndexLimit; ++i)
    if (!used[static_cast<size_t>(i)]) return i;
  return std::nullopt;
}

// The words of a table's name before its position: "Eutelsat-Hotbird-13.0E" -> Eutelsat, Hotbird.
std::vector<std::string> NameWords(const std::string& name) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : name) {
    if (c == '-' || c == '_' || c == ' ') {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word.push_back(c);
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

std::string Joined(const std::vector<std::string>& words, size_t count, const std::string& last) {
  std::string out;
  for (size_t i = 0; i < count; ++i) out += words[i] + ' ';
  return out + last;
}

std::string ShortName(std::vector<std::string> words, std::string position) {
  std::string name = Joined(words, words.size(), position);
  if (name.size() > kMaxNameLength && position.size() > 3 &&
      position.compare(position.size() - 3, 2, ".0") == 0) {
    position.erase(position.size() - 3, 2);  // "13.0E" -> "13E"
    name = Joined(words, words.size(), position);
  }
  for (size_t count = words.size(); name.size() > kMaxNameLength && count > 1; --count)
    name = Joined(words, count - 1, position);
  if (name.size() > kMaxNameLength && !words.empty()) {
    // One word that is still too long is cut.
    const size_t room = kMaxNameLength > position.size() + 1 ? kMaxNameLength - position.size() - 1 : 0;
    name = words[0].substr(0, room) + ' ' + position;
  }
  return name;
}

}  // namespace

std::optional<TableSatellite> SatelliteFromTableName(const std::string& tableName, const NameCodec& names) {
  const std::optional<int> tenths = PositionAtEndOfName(tableName);
  if (!tenths) return std::nullopt;
  std::vector<std::string> words = NameWords(StorableName(tableName, names, NamePlace::SatelliteLine));
  words.pop_back();  // the position
  TableSatellite s;
  s.name = ShortName(std::move(words), OrbitalPositionText(*tenths));
  s.position = std::to_string(std::abs(*tenths) / 10);
  // The display form the Degree conversion takes: side first, "E19.2".
  const int magnitude = std::abs(*tenths);
  std::string display = Format("%c%d.%d", *tenths < 0 ? 'W' : 'E', magnitude / 10, magnitude % 10);
  // A position built here always converts.
  s.degree = DegreeToDisplay(display, false).value_or(s.degree);
  if (CheckName(s.name, "Name", NamePlace::SatelliteLine)) return std::nullopt;
  return s;
}

std::optional<TransponderImportReport> ImportTransponders(INewChannelHost& host, const ScanTable& table,
                                                          const ImportTarget& target) {
  std::vector<std::string>& fields = host.Fields();
  IReporter& reporter = host.Reporter();
  const SectionLocator sections(fields);
  for (Section section : {Section::Satellite, Section::DigitalTp}) {
    if (!sections[section].Found()) {
      const std::string header(FormatOf(section).header);
      reporter.MessageBox(Format(kSectionMissing, header.c_str()));
      return std::nullopt;
    }
  }
  const SectionSpan& satellites = sections[Section::Satellite];
  const SectionSpan& digital = sections[Section::DigitalTp];

  TransponderImportReport report;
  report.tableName = table.name;
  std::vector<std::string> newSatellite;
  std::optional<TableSatellite> made;
  std::optional<size_t> record;
  if (target.satelliteIndex) {
    record = FindSatelliteRecord(fields, satellites, *target.satelliteIndex);
    if (!record) {
      reporter.MessageBox(Format(kNoSuchSatelliteMessage, target.satelliteIndex->c_str()));
      return std::nullopt;
    }
  } else {
    made = SatelliteFromTableName(table.name, host.Names());
    if (!made) {
      reporter.MessageBox(Format(kNoPositionInName, table.name.c_str()));
      return std::nullopt;
    }
    record = SameSatellite(fields, satellites, *made);
    report.reusedSatellite = record.has_value();
  }
  if (record) {
    report.satelliteIndex = fields[satellites.At(*record, field::kIndex)];
    report.satelliteName = fields[satellites.At(*record, field::kSatName)];
    report.tablePosition = PositionAtEndOfName(table.name);
    report.satellitePosition =
        SatellitePosition(report.satelliteName, fields[satellites.At(*record, field::kSatDegree)]);
  } else {
    const std::optional<long> index = FreeSatelliteIndex(fields, satellites);
    if (!index) {
      reporter.MessageBox(kSatellitesFull);
      return std::nullopt;
    }
    report.newSatellite = true;
    report.satelliteIndex = std::to_string(*index);
    report.satelliteName = made->name;
    // The Degree as the loader reads it back ("0192" is 192), so a second import finds the
    // list as the first one wrote it.
    newSatellite = {report.satelliteIndex,
                    made->name,
                    std::string(kNo),
                    kUniversalLnbHigh,
                    kUniversalLnbLow,
                    made->position,
                    std::to_string(LeadingInteger(made->degree))};
  }

  // Every new transponder is worked out before the list changes: a refusal leaves it whole.
  std::vector<KnownTransponder> known =
      report.newSatellite ? std::vector<KnownTransponder>()
                          : TranspondersOf(fields, digital, LeadingInteger(report.satelliteIndex));
  std::vector<std::vector<std::string>> records;
  long nextIndex = LargestInField(fields, digital, field::kIndex).value_or(0) + 1;
  for (const ScanEntry& entry : table.entries) {
    if (entry.delivery == ScanDelivery::Other) {
      ++report.otherSystems;
      continue;
    }
    if (!InLnbBand(entry.frequencyKHz)) {
      report.outOfBand.emplace_back(entry.line, entry.frequencyKHz);
      continue;
    }
    const std::optional<ListTuning> tuning =
        ListTuningOf(entry.frequencyKHz, entry.symbolRate, entry.polarization);
    if (!tuning) {
      ++report.unusable;
      continue;
    }
    if (IsCircular(entry.polarization)) ++report.circular;
    if (SameTransponder(known, *tuning) != nullptr) {
      ++report.alreadyThere;
      continue;
    }
    known.push_back({tuning->frequency, tuning->symbolRate, std::string(tuning->polarization), {}});
    records.push_back({std::to_string(nextIndex++), report.satelliteIndex, TuningDigits(tuning->frequency),
                       TuningDigits(tuning->symbolRate), std::string(tuning->polarization),
                       entry.delivery == ScanDelivery::DvbS2 ? "DVB-S2" : "DVB-S"});
  }
  report.added = records.size();
  if (!records.empty() && nextIndex - 1 > kMaxTransponderIndex) {
    reporter.MessageBox(kListFullMessage);
    return std::nullopt;
  }
  if (records.empty() && !report.newSatellite) return report;

  const ListFill before = FillOfList(fields);
  host.PushUndo(kImportUndoLabel);
  if (!newSatellite.empty()) AppendRecord(fields, satellites, newSatellite);
  // The satellite may have moved the sections below it.
  const SectionLocator after(fields);
  std::vector<std::string> strings;
  strings.reserve(records.size() * after[Section::DigitalTp].width);
  for (const auto& r : records) strings.insert(strings.end(), r.begin(), r.end());
  AppendRecord(fields, after[Section::DigitalTp], strings);
  if (!StillFits(before, fields, reporter)) {
    host.RevertToUndoStep();
    return std::nullopt;
  }
  host.RefreshWithRenumber();
  return report;
}

std::string ImportReportText(const TransponderImportReport& r, const NameCodec& names) {
  std::string text =
      Format("Scan table %s, satellite %s \"%s\"%s:\n", r.tableName.c_str(), r.satelliteIndex.c_str(),
             names.Decode(r.satelliteName).c_str(), r.newSatellite ? " (new)" : "");
  if (r.reusedSatellite)
    text +=
        "The list already has a satellite of this name at this position; the transponders were added to it "
        "instead of a new one.\n";
  text += Format("%zu transponder%s added.\n", r.added, r.added == 1 ? "" : "s");
  if (r.tablePosition && r.satellitePosition && *r.tablePosition != *r.satellitePosition)
    text += Format(
        "Note: the table is for %s, but the satellite is at %s; check that this is the table you meant.\n",
        OrbitalPositionText(*r.tablePosition).c_str(), OrbitalPositionText(*r.satellitePosition).c_str());
  if (r.alreadyThere > 0)
    text += Format("%zu already there (in the list, or earlier in the table), kept as they are.\n",
                   r.alreadyThere);
  if (r.circular > 0)
    text += Format("%zu with circular polarisation, stored as H (left) and V (right).\n", r.circular);
  if (r.otherSystems > 0) text += Format("%zu skipped: not for a satellite receiver.\n", r.otherSystems);
  if (!r.outOfBand.empty()) {
    text += Format(
        "%zu skipped: a frequency outside the bands a satellite LNB receives (%s; the table gives kHz):",
        r.outOfBand.size(), kLnbBandsText);
    text += OutOfBandLines(r.outOfBand) + ".\n";
  }
  if (r.unusable > 0)
    text += Format("%zu skipped: no polarisation, or a frequency or symbol rate the list cannot hold.\n",
                   r.unusable);
  return text;
}

}  // namespace lumoscope
