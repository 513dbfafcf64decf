#include "editing/ChannelImport.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <unordered_map>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/ListLimits.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "database/ListFill.h"
#include "editing/ChannelFileFormats.h"
#include "editing/ChannelFormChecks.h"
#include "editing/ChannelForms.h"
#include "editing/FieldValues.h"
#include "editing/ImportedTuning.h"
#include "editing/NewChannelSteps.h"
#include "editing/OrbitalPosition.h"

namespace lumoscope {

namespace {

constexpr const char* kRefusal = "The channels cannot be imported";
constexpr const char* kPositionUnknown =
    "The channels cannot be imported: satellite %s \"%s\" has no orbital position (its Degree is 0 and its "
    "name ends in none), and the file has services of several positions (%s). Give the satellite its Degree "
    "first. Nothing was changed.";
// A service the file gives no name the list can hold is named after its service ID.
constexpr const char* kUnnamedService = "SID %u";
// Names cut short named one by one in the report; the rest are counted.
constexpr size_t kCutNamesShown = 10;

// What makes a service the same one: its transponder and service ID, or its PIDs.
using ServiceKey = std::tuple<std::string, uint32_t, uint32_t, uint32_t>;

ServiceKey KeyOf(const std::string& transponder, const ScannedService& s, bool pids) {
  return pids ? ServiceKey{transponder, s.videoPid, s.audioPid, s.pcrPid}
              : ServiceKey{transponder, s.serviceId, 0, 0};
}

// The services of the satellite the list has: by transponder and service ID (or PIDs).
std::set<ServiceKey> ServicesOf(const std::vector<std::string>& fields, const SectionLocator& sections,
                                long satellite, bool pids) {
  std::set<ServiceKey> known;
  const SectionSpan& span = sections[pids ? Section::PidChannel : Section::DigitalChannel];
  for (size_t r = 0; r < span.Records(); ++r) {
    const std::string* f = fields.data() + span.At(r);
    if (LeadingInteger(f[pids ? field::kPidSat : field::kChSat]) != satellite) continue;
    const std::string transponder = Trimmed(f[pids ? field::kPidTp : field::kChTp]);
    if (pids) {
      known.emplace(transponder, static_cast<uint32_t>(LeadingInteger(f[field::kPidVideo])),
                    static_cast<uint32_t>(LeadingInteger(f[field::kPidAudio])),
                    static_cast<uint32_t>(LeadingInteger(f[field::kPidPcr])));
    } else {
      known.emplace(transponder, HexField(Trimmed(f[field::kChSvcId])).value_or(0), 0, 0);
    }
  }
  return known;
}

// The bytes of the name a service gets: the file's name in the list's encoding, cut to 13
// characters; a service without a name the list can hold is named after its service ID.
std::string ServiceName(const ScannedService& s, const NameCodec& names, ChannelImportReport& report) {
  std::string stored = Trimmed(StorableName(s.name, names));
  if (stored.size() > kMaxNameLength) {
    const std::string full = names.Decode(stored);
    stored = Trimmed(stored.substr(0, kMaxNameLength));
    report.cutNames.emplace_back(full, names.Decode(stored));
  }
  if (stored.empty() || CheckName(stored, "Name")) {
    ++report.unnamed;
    stored = Format(kUnnamedService, s.serviceId);
  }
  return stored;
}

std::string Positions(const std::map<int, size_t>& positions) {
  std::string text;
  for (const auto& [position, count] : positions)
    text += (text.empty() ? "" : ", ") + OrbitalPositionText(position);
  return text;
}

class ChannelImporter {
 public:
  ChannelImporter(INewChannelHost& host, const ChannelImportOptions& options, ChannelImportReport& report)
      : host_(host), options_(options), report_(report), fields_(host.Fields()) {}

  std::optional<ChannelImportReport> Run(const ChannelFile& file);

 private:
  // Whether the service is one to import (the others are counted in the report).
  bool Wanted(const ScannedService& s);
  // The transponder of a service's tuning: the satellite's own, or a new one.
  std::string TransponderFor(const ListTuning& tuning, const ScannedService& s);
  bool Apply();

  INewChannelHost& host_;
  const ChannelImportOptions& options_;
  ChannelImportReport& report_;
  std::vector<std::string>& fields_;
  long satellite_ = 0;
  std::vector<KnownTransponder> known_;
  long nextTransponder_ = 0;
  std::vector<std::string> newTransponders_;  // records, one after the other
  std::vector<std::string> newChannels_;
  std::set<std::string> transpondersUsed_;
};

bool ChannelImporter::Wanted(const ScannedService& s) {
  if (!s.satellite) {
    ++report_.otherSystems;
    return false;
  }
  if (s.position && report_.satellitePosition && *s.position != *report_.satellitePosition) {
    ++report_.otherPositions[*s.position];
    return false;
  }
  if (s.encrypted && !options_.includeEncrypted) {
    ++report_.encrypted;
    return false;
  }
  if (s.videoPid == 0 && s.audioPid == 0) {
    ++report_.dataServices;
    return false;
  }
  if (!InLnbBand(s.frequencyKHz)) {
    report_.outOfBand.emplace_back(s.line, s.frequencyKHz);
    return false;
  }
  return true;
}

std::string ChannelImporter::TransponderFor(const ListTuning& tuning, const ScannedService& s) {
  if (const KnownTransponder* same = SameTransponder(known_, tuning)) return same->index;
  std::string index = std::to_string(nextTransponder_++);
  std::string bouquet = Trimmed(StorableName(s.provider, host_.Names()));
  bouquet = bouquet.empty() ? std::string(kNoBouquet) : Trimmed(bouquet.substr(0, kMaxNameLength));
  if (CheckName(bouquet, "Comment")) bouquet = kNoBouquet;
  newTransponders_.insert(newTransponders_.end(),
                          {index, report_.satelliteIndex, TuningDigits(tuning.frequency),
                           TuningDigits(tuning.symbolRate), std::string(tuning.polarization), bouquet});
  known_.push_back({tuning.frequency, tuning.symbolRate, std::string(tuning.polarization), index});
  ++report_.newTransponders;
  return index;
}

std::optional<ChannelImportReport> ChannelImporter::Run(const ChannelFile& file) {
  IReporter& reporter = host_.Reporter();
  const SectionLocator sections(fields_);
  if (!SectionsUsable(sections,
                      {Section::Satellite, Section::DigitalTp,
                       options_.pids ? Section::PidChannel : Section::DigitalChannel},
                      reporter, kRefusal))
    return std::nullopt;
  const SectionSpan& satellites = sections[Section::Satellite];
  const std::optional<size_t> record = FindSatelliteRecord(fields_, satellites, options_.satelliteIndex);
  if (!record) {
    reporter.MessageBox(Format(kNoSuchSatelliteMessage, options_.satelliteIndex.c_str()));
    return std::nullopt;
  }
  report_.satelliteIndex = fields_[satellites.At(*record, field::kIndex)];
  report_.satelliteName = fields_[satellites.At(*record, field::kSatName)];
  report_.satellitePosition =
      SatellitePosition(report_.satelliteName, fields_[satellites.At(*record, field::kSatDegree)]);
  if (!report_.satellitePosition) {
    // Without a position of its own the satellite takes a file of one position whole.
    std::map<int, size_t> positions;
    for (const ScannedService& s : file.services)
      if (s.satellite && s.position) ++positions[*s.position];
    if (positions.size() > 1) {
      reporter.MessageBox(Format(kPositionUnknown, report_.satelliteIndex.c_str(),
                                 host_.Names().Decode(report_.satelliteName).c_str(),
                                 Positions(positions).c_str()));
      return std::nullopt;
    }
  }

  // Every new record is worked out before the list changes: a refusal leaves it whole.
  satellite_ = LeadingInteger(report_.satelliteIndex);
  const SectionSpan& digital = sections[Section::DigitalTp];
  known_ = TranspondersOf(fields_, digital, satellite_);
  nextTransponder_ = LargestInField(fields_, digital, field::kIndex).value_or(0) + 1;
  std::set<ServiceKey> services = ServicesOf(fields_, sections, satellite_, options_.pids);
  long nextService = 1;
  for (const Section s : {Section::DigitalChannel, Section::PidChannel})
    nextService = std::max(nextService, LargestInField(fields_, sections[s], field::kIndex).value_or(0) + 1);
  const std::string activeAudio = DigitalChannelForm{}.activeAudio;
  std::unordered_map<std::string, std::string> tuningToTransponder;
  for (const ScannedService& s : file.services) {
    if (!Wanted(s)) continue;
    const std::optional<ListTuning> tuning = ListTuningOf(s.frequencyKHz, s.symbolRate, s.polarization);
    if (!tuning) {
      report_.unusable.push_back(s.line);
      continue;
    }
    const std::string tuningKey = Format("%ld %ld %s", tuning->frequency, tuning->symbolRate,
                                         std::string(tuning->polarization).c_str());
    auto [at, added] = tuningToTransponder.try_emplace(tuningKey);
    if (added) at->second = TransponderFor(*tuning, s);
    const std::string& transponder = at->second;
    if (!services.insert(KeyOf(transponder, s, options_.pids)).second) {
      ++report_.alreadyThere;
      continue;
    }
    const bool tv = s.videoPid != 0;
    ++(tv ? report_.tv : report_.radio);
    transpondersUsed_.insert(transponder);
    const std::string type(tv ? kTv : kRadio);
    const std::string name = ServiceName(s, host_.Names(), report_);
    if (options_.pids) {
      newChannels_.insert(newChannels_.end(),
                          {std::to_string(nextService++), transponder, report_.satelliteIndex, type, name,
                           std::to_string(s.videoPid), std::to_string(s.audioPid), std::to_string(s.pcrPid),
                           activeAudio, std::string(kNo)});
    } else {
      newChannels_.insert(newChannels_.end(),
                          {std::to_string(nextService++), transponder, report_.satelliteIndex,
                           Format("%04X", s.serviceId), type, name, activeAudio, std::string(kNo)});
    }
  }
  report_.transpondersUsed = transpondersUsed_.size();
  if (report_.Added() == 0) return report_;
  const size_t channels =
      sections[Section::DigitalChannel].Records() + sections[Section::PidChannel].Records();
  if (nextTransponder_ - 1 > kMaxTransponderIndex ||
      channels + report_.Added() > static_cast<size_t>(kMaxDigitalChannels)) {
    reporter.MessageBox(kListFullMessage);
    return std::nullopt;
  }
  if (!Apply()) return std::nullopt;
  return report_;
}

bool ChannelImporter::Apply() {
  const ListFill before = FillOfList(fields_);
  host_.PushUndo(kChannelImportUndoLabel);
  AppendRecord(fields_, SectionLocator(fields_)[Section::DigitalTp], newTransponders_);
  // The transponders moved the sections below them.
  AppendRecord(fields_,
               SectionLocator(fields_)[options_.pids ? Section::PidChannel : Section::DigitalChannel],
               newChannels_);
  if (!StillFits(before, fields_, host_.Reporter())) {
    host_.RevertToUndoStep();
    return false;
  }
  host_.RefreshWithRenumber();
  return true;
}

}  // namespace

std::optional<ChannelImportReport> ImportChannels(INewChannelHost& host, const ChannelFile& file,
                                                  const std::string& fileName,
                                                  const ChannelImportOptions& options) {
  ChannelImportReport report;
  report.fileName = fileName;
  report.format = file.format;
  report.pids = options.pids;
  return ChannelImporter(host, options, report).Run(file);
}

std::string ChannelImportReportText(const ChannelImportReport& r, const NameCodec& names) {
  std::string text = Format("Channel file %s (%s), satellite %s \"%s\":\n", r.fileName.c_str(),
                            ChannelFileFormatName(r.format), r.satelliteIndex.c_str(),
                            names.Decode(r.satelliteName).c_str());
  text += Format("%zu %s added (%zu TV, %zu radio)", r.Added(), r.pids ? "PID channels" : "channels", r.tv,
                 r.radio);
  if (r.Added() > 0)
    text += Format(" on %zu transponder%s, %zu of them new", r.transpondersUsed,
                   r.transpondersUsed == 1 ? "" : "s", r.newTransponders);
  text += ".\n";
  if (r.alreadyThere > 0)
    text += Format(
        "%zu skipped: already in the list (same satellite, transponder and %s), or earlier in the file.\n",
        r.alreadyThere, r.pids ? "PIDs" : "service ID");
  if (r.encrypted > 0)
    text += Format("%zu skipped: encrypted (the file names CA IDs for them).\n", r.encrypted);
  if (!r.otherPositions.empty()) {
    std::string positions;
    for (const auto& [position, count] : r.otherPositions)
      positions +=
          Format("%s%zu of %s", positions.empty() ? "" : ", ", count, OrbitalPositionText(position).c_str());
    text += Format("Not imported, of other orbital positions than the satellite's %s: %s.\n",
                   OrbitalPositionText(r.satellitePosition.value_or(0)).c_str(), positions.c_str());
  }
  if (r.otherSystems > 0)
    text += Format("%zu skipped: terrestrial, cable or other services, not for a satellite receiver.\n",
                   r.otherSystems);
  if (r.dataServices > 0)
    text += Format("%zu skipped: neither video nor audio (data services).\n", r.dataServices);
  if (!r.outOfBand.empty())
    text += Format("%zu skipped: a frequency outside the bands a satellite LNB receives (%s):%s.\n",
                   r.outOfBand.size(), kLnbBandsText, OutOfBandLines(r.outOfBand).c_str());
  if (!r.unusable.empty()) {
    std::string lines;
    for (const int line : r.unusable) lines += Format("%s line %d", lines.empty() ? "" : ",", line);
    text += Format("%zu skipped: no polarisation, or a frequency or symbol rate the list cannot hold:%s.\n",
                   r.unusable.size(), lines.c_str());
  }
  if (!r.cutNames.empty()) {
    text += Format("%zu name%s cut to %zu characters:", r.cutNames.size(), r.cutNames.size() == 1 ? "" : "s",
                   kMaxNameLength);
    const size_t shown = std::min(r.cutNames.size(), kCutNamesShown);
    for (size_t i = 0; i < shown; ++i)
      text += Format("%s \"%s\" -> \"%s\"", i == 0 ? "" : ",", r.cutNames[i].first.c_str(),
                     r.cutNames[i].second.c_str());
    if (shown < r.cutNames.size()) text += Format(" and %zu more", r.cutNames.size() - shown);
    text += ".\n";
  }
  if (r.unnamed > 0)
    text += Format("%zu without a name the list can hold: named after %s service ID.\n", r.unnamed,
                   r.unnamed == 1 ? "its" : "their");
  return text;
}

}  // namespace lumoscope
