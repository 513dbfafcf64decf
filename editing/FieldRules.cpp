#include "editing/FieldRules.h"

#include <array>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "base/SectionLocator.h"
#include "database/ListFill.h"
#include "editing/ChannelFormChecks.h"

namespace lumoscope {

namespace {

using K = FieldKind;

constexpr std::array<FieldRule, RecordWidth(Section::SatNameList)> kSatNameRules{{
    {field::kIndex, "index", "Index", K::Index},
    {field::kSatNameName, "name", "SAT Name", K::Name},
}};

constexpr std::array<FieldRule, RecordWidth(Section::Satellite)> kSatelliteRules{{
    {field::kIndex, "index", "Index", K::Index},
    {field::kSatName, "name", "SAT Name", K::SatelliteName},
    {field::kSatBlank, "blank", "BLANK", K::Keyword, kYesNo},
    {field::kSatLnbHigh, "lnb-lo-high", "LNB_LO Hi", K::TuningDigits},
    {field::kSatLnbLow, "lnb-lo-low", "LNB_LO Lo", K::TuningDigits},
    {field::kSatPosition, "position", "Position", K::Byte},
    {field::kSatDegree, "degree", "Degree", K::Degree},
}};

constexpr std::array<FieldRule, RecordWidth(Section::DigitalTp)> kDigitalTpRules{{
    {field::kIndex, "index", "Index", K::Index},
    {field::kTpSat, "sat-index", "SAT Index", K::SatelliteRef},
    {field::kTpFrequency, "frequency", "Freq(MHz)", K::TuningDigits},
    {field::kTpSymbolRate, "symbol-rate", "SR(KHz)", K::TuningDigits},
    {field::kTpPolar, "polarization", "Polar", K::Keyword, kPolarizations},
    {field::kTpBouquet, "comment", "Bouquet", K::Name},
}};

constexpr std::array<FieldRule, RecordWidth(Section::AnalogTp)> kAnalogTpRules{{
    {field::kIndex, "index", "Index", K::Index},
    {field::kAnSat, "sat-index", "SAT Index", K::SatelliteRef},
    {field::kAnFrequency, "frequency", "Frequency", K::TuningDigits},
    {field::kAnTpBand, "band", "Signal Band", K::Keyword, kTpBands},
    {field::kAnName, "name", "Name", K::Name},
    {field::kAnVideoBand, "video-band", "Video Band", K::Keyword, kVideoBands},
    {field::kAnPolar, "polarization", "Polarization", K::Keyword, kPolarizations},
    {field::kAnThreshold, "threshold", "Thr", K::Byte},
    {field::kAnContrast, "contrast", "contrast", K::Byte},
    {field::kAnDecoderOutput, "decoder-output", "Decoder Output", K::Keyword, kDecoderOutputs},
    {field::kAnAudioMode, "audio-mode", "Audio mode", K::Keyword, kAudioModes},
    {field::kAnAudioLeft, "audio-left", "Audio Freq LEFT", K::AudioFrequency},
    {field::kAnAudioRight, "audio-right", "Audio Freq RIGHT", K::AudioFrequency},
    {field::kAnAudioBand, "bandwidth", "BandWidth", K::Keyword, kAudioBands},
    {field::kAnPanda, "dnr", "DNR", K::Keyword, kYesNo},
    {field::kAnDeEmphasis, "de-emphasis", "DeEmphasis", K::Keyword, kDeEmphases},
    {field::kAnType, "type", "Type", K::Keyword, kServiceTypes},
    {field::kAnBlank, "blank", "Blank", K::Keyword, kYesNo},
}};

constexpr std::array<FieldRule, RecordWidth(Section::DigitalChannel)> kChannelRules{{
    {field::kIndex, "index", "Index", K::Index},
    {field::kChTp, "tp-index", "Digital TP Index", K::TransponderRef},
    {field::kChSat, "sat-index", "SAT Index", K::SatelliteRef},
    {field::kChSvcId, "svc-id", "SVC ID(hex)", K::ServiceId},
    {field::kChType, "type", "Type", K::Keyword, kServiceTypes},
    {field::kChName, "name", "Name", K::Name},
    {field::kChAudio, "active-audio", "Active Audio", K::Byte},
    {field::kChBlank, "blank", "Blank", K::Keyword, kYesNo},
}};

constexpr std::array<FieldRule, RecordWidth(Section::PidChannel)> kPidRules{{
    {field::kIndex, "index", "Index", K::Index},
    {field::kPidTp, "tp-index", "Digital TP Index", K::TransponderRef},
    {field::kPidSat, "sat-index", "SAT Index", K::SatelliteRef},
    {field::kPidType, "type", "Type", K::Keyword, kServiceTypes},
    {field::kPidName, "name", "Name", K::Name},
    {field::kPidVideo, "video-pid", "Video PID", K::Pid},
    {field::kPidAudio, "audio-pid", "Audio PID", K::Pid},
    {field::kPidPcr, "pcr-pid", "PCR PID", K::Pid},
    {field::kPidActiveAudio, "active-audio", "Active Audio", K::Byte},
    {field::kPidBlank, "blank", "Blank", K::Keyword, kYesNo},
}};

// In code order, as the sections.
constexpr std::array<std::span<const FieldRule>, kSectionCount> kRules{
    kSatNameRules, kSatelliteRules, kDigitalTpRules, kAnalogTpRules, kChannelRules, kPidRules,
};

// The angle as a person writes it: E or W (or a sign), up to three digits, at most one
// decimal; at most 180 degrees either way. Tenths of a degree, east positive.
constexpr int kMaxDegreeTenths = 1800;

std::optional<int> ParseDegree(std::string text) {
  text = TrimmedUpper(text);
  if (text.empty()) return std::nullopt;
  int sign = 1;
  size_t i = 0;
  if (text[0] == 'E' || text[0] == '+') {
    i = 1;
  } else if (text[0] == 'W' || text[0] == '-') {
    sign = -1;
    i = 1;
  }
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  int whole = 0;
  size_t digits = 0;
  for (; i < text.size() && isDigit(text[i]) && digits < 3; ++i, ++digits)
    whole = whole * 10 + (text[i] - '0');
  if (digits == 0) return std::nullopt;
  int tenths = 0;
  if (i < text.size() && text[i] == '.') {
    if (i + 2 != text.size() || !isDigit(text[i + 1])) return std::nullopt;
    tenths = text[i + 1] - '0';
    i += 2;
  }
  if (i != text.size()) return std::nullopt;
  const int value = whole * 10 + tenths;
  if (value > kMaxDegreeTenths) return std::nullopt;
  return sign * value;
}

// The word of a keyword list that `typed` names, in any case.
std::optional<std::string_view> KeywordNamed(std::span<const std::string_view> words,
                                             const std::string& typed) {
  const std::string wanted = TrimmedUpper(typed);
  for (std::string_view word : words) {
    std::string upper(word);
    for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    if (upper == wanted) return word;
  }
  return std::nullopt;
}

std::string WordsOf(std::span<const std::string_view> words) {
  std::string out;
  for (std::string_view word : words) {
    if (!out.empty()) out += ", ";
    out += word;
  }
  return out;
}

// Whether a record of `section` has `index` as its index field.
bool IndexExists(const std::vector<std::string>& fields, Section section, const std::string& index) {
  const SectionSpan span = SectionLocator(fields)[section];
  for (size_t r = 0; r < span.Records(); ++r)
    if (fields[span.At(r, field::kIndex)] == index) return true;
  return false;
}

// The receiver finds a channel's transponder among the transponders of the channel's own
// satellite, so a transponder moved to another satellite takes the channels on it along
// (CHANNEL and CHANNEL_PID records that name it and its old satellite).
void MoveChannelsAlong(std::vector<std::string>& fields, const std::string& transponder,
                       const std::string& oldSatellite, const std::string& newSatellite) {
  const SectionLocator sections(fields);
  static_assert(field::kChTp == field::kPidTp && field::kChSat == field::kPidSat);
  for (Section kind : {Section::DigitalChannel, Section::PidChannel}) {
    const SectionSpan& span = sections[kind];
    for (size_t r = 0; r < span.Records(); ++r) {
      std::string& satellite = fields[span.At(r, field::kChSat)];
      if (fields[span.At(r, field::kChTp)] == transponder && satellite == oldSatellite)
        satellite = newSatellite;
    }
  }
}

}  // namespace

std::span<const FieldRule> FieldRulesOf(Section section) {
  return kRules[SectionIndex(section)];
}

const FieldRule* FindFieldRule(Section section, std::string_view key) {
  for (const FieldRule& rule : FieldRulesOf(section))
    if (rule.key == key) return &rule;
  return nullptr;
}

bool EditedByField(Section section) {
  return section != Section::DigitalChannel && section != Section::PidChannel;
}

const char* FieldEditUndoLabel(Section section) {
  switch (section) {
    case Section::SatNameList:
      return "Edit Satellite Name";
    case Section::Satellite:
      return "Edit Satellite";
    case Section::DigitalTp:
    case Section::AnalogTp:
      return "Edit Transponder";
    case Section::DigitalChannel:
    case Section::PidChannel:
      break;
  }
  return "Edit Channel";
}

std::string ShownValue(const FieldRule& rule, const std::string& stored, const NameCodec& names) {
  if (rule.kind == FieldKind::Name || rule.kind == FieldKind::SatelliteName) return names.Decode(stored);
  if (rule.kind == FieldKind::Degree) {
    std::string value = stored;
    return DegreeToDisplay(value, true).value_or(stored);
  }
  return stored;
}

std::optional<std::string> StoredValue(const std::vector<std::string>& fields, const FieldRule& rule,
                                       const std::string& typed, const NameCodec& names,
                                       std::string& problem) {
  const char* label = rule.title;
  const std::string value = Trimmed(typed);
  std::optional<std::string> refusal;
  switch (rule.kind) {
    case FieldKind::Index:
      refusal = Format("%s cannot be changed: other records refer to it, or the list numbers it.", label);
      break;
    case FieldKind::Name:
    case FieldKind::SatelliteName: {
      std::string stored;
      refusal = CheckTypedName(typed, label, names, &stored,
                               rule.kind == FieldKind::Name ? NamePlace::Record : NamePlace::SatelliteLine);
      if (!refusal) return stored;
      break;
    }
    case FieldKind::TuningDigits:
      refusal = CheckTuningDigits(value, label);
      break;
    case FieldKind::Keyword:
      if (const std::optional<std::string_view> word = KeywordNamed(rule.keywords, typed))
        return std::string(*word);
      refusal = Format("%s must be one of %s.", label, WordsOf(rule.keywords).c_str());
      break;
    case FieldKind::Byte:
      refusal = CheckByte(value, label);
      break;
    case FieldKind::Degree:
      // Stored as the display form converts back: "0192", "-0750".
      if (const std::optional<int> tenths = ParseDegree(value))
        return *tenths < 0 ? Format("-%03d%01d", -*tenths / 10, -*tenths % 10)
                           : Format("%03d%01d", *tenths / 10, *tenths % 10);
      refusal =
          Format("%s must be written like E019.2 or W075.0: east or west, at most 180.0 degrees.", label);
      break;
    case FieldKind::SatelliteRef:
      if (IndexExists(fields, Section::Satellite, value)) return value;
      refusal = Format("%s must be the index of one of the list's satellites.", label);
      break;
    case FieldKind::TransponderRef:
      if (IndexExists(fields, Section::DigitalTp, value)) return value;
      refusal = Format("%s must be the index of one of the list's digital transponders.", label);
      break;
    case FieldKind::AudioFrequency:
      refusal = CheckAudioFrequency(value, label);
      break;
    case FieldKind::ServiceId:
      refusal = CheckServiceId(value);
      break;
    case FieldKind::Pid:
      refusal = CheckPid(value, label);
      break;
  }
  if (refusal) {
    problem = *refusal;
    return std::nullopt;
  }
  return value;
}

bool SetRecordField(INewChannelHost& host, Section section, size_t record, const FieldRule& rule,
                    const std::string& typed) {
  std::vector<std::string>& fields = host.Fields();
  const SectionSpan span = SectionLocator(fields)[section];
  if (record >= span.Records()) return false;
  std::string problem;
  const std::optional<std::string> stored = StoredValue(fields, rule, typed, host.Names(), problem);
  if (!stored) {
    host.Reporter().MessageBox(problem);
    return false;
  }
  std::string& cell = fields[span.At(record, rule.field)];
  if (*stored == cell) return true;
  // Another satellite, a blank flag or a service type can take the list past the
  // receiver's limits.
  const ListFill before = FillOfList(fields);
  host.PushUndo(FieldEditUndoLabel(section));
  if (section == Section::DigitalTp && rule.field == field::kTpSat)
    MoveChannelsAlong(fields, fields[span.At(record, field::kIndex)], cell, *stored);
  cell = *stored;
  if (!StillFits(before, fields, host.Reporter())) {
    host.RevertToUndoStep();
    return false;
  }
  host.RefreshKeepingNumbers();
  return true;
}

}  // namespace lumoscope
