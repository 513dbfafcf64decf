#include "database/TextReader.h"

#include <algorithm>
#include <cstring>

#include "base/Keywords.h"
#include "base/RecordFields.h"
#include "base/TextLines.h"
#include "database/ImageLayout.h"
#include "database/ReaderMessages.h"

namespace lumoscope {
namespace {

// Scan formats of the record lines.
constexpr std::string_view kNameListFormat = "%d %s";
constexpr std::string_view kSatelliteProbeFormat = "%d %s %s ";
constexpr std::string_view kSatelliteFormat = "%d %s %s %s %s %d %d";
constexpr std::string_view kOldSatelliteFormat = "%d %s %s %s %d";
constexpr std::string_view kDigitalTpFormat = "%d %d %s %s %s %s";
constexpr std::string_view kAnalogTpFormat = "%d %d %s %s %s %s %s %d %d %s %s %s %s %s %s %s %s %s";
constexpr std::string_view kChannelFormat = "%u %d %d %x %s %s %d %s";
constexpr std::string_view kPidChannelFormat = "%d %d %d %s %s %d %d %d %d %s";

// Fields a line of each section must have.
constexpr int FieldCount(Section section) {
  return static_cast<int>(RecordWidth(section));
}

// LNB frequencies, frequencies and symbol rates: 4 or 5 decimal digits.
bool FourOrFiveDigits(std::string_view s) {
  if (s.size() != 4 && s.size() != 5) return false;
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool InRange(int64_t v, int64_t slots) {
  return v >= 0 && v < slots;
}

void SetName(std::string& out, std::string_view token) {
  out.assign(token);
  std::replace(out.begin(), out.end(), '~', ' ');
}

}  // namespace

TextReader::TextReader(IReporter& reporter, const ReaderSettings& settings, ImageBuilder* image)
    : reporter_(reporter),
      settings_(settings),
      image_(image),
      nameTable_(kNameFieldBytes * static_cast<size_t>(settings.maxSatellites), 0),
      tpMap_(kTpSlots, 0),
      channelMap_(kChannelSlots, 0),
      pidMap_(kPidChannelSlots, 0),
      analogMap_(kTpSlots, 0) {
  satUnusable_.fill(true);
}

bool TextReader::Fail(const char* fmt) {
  reporter_.MessageBox(Format(fmt, lineNumber_));
  return false;
}

bool TextReader::FailNameLength(const char* fmt) {
  reporter_.MessageBox(Format(fmt, static_cast<int>(kMaxNameLength), lineNumber_));
  return false;
}

bool TextReader::Read(std::string_view text) {
  return Read(PreparedLines(text));
}

bool TextReader::Read(const PreparedLines& lines) {
  bool ended = false;
  for (const PreparedLines::Line& line : lines.Lines()) {
    lineNumber_ = line.number;
    if (line.skipped) continue;
    if (line.text[0] == '[') {
      const Step step = Header(line.text);
      if (step == Step::Fail) return false;
      if (step == Step::Stop) {
        ended = true;
        break;
      }
      continue;
    }
    if (!Record(line.text)) return false;
  }
  if (!ended && lines.RefusedLine() > 0) {
    lineNumber_ = lines.RefusedLine();
    return Fail(kCheckLineMessage);
  }
  if (image_) image_->EndMarker();
  return true;
}

TextReader::Step TextReader::Header(std::string_view line) {
  if (IsEndHeader(line)) {
    section_.reset();
    return Step::Stop;
  }
  const std::optional<Section> found = SectionOfHeader(line);
  if (!found) {
    Fail(msg::kUnknownSection);
    return Step::Fail;
  }
  // In the normal image the PID channels have no block of their own: they must
  // continue the digital channels' block, or they would land inside another block.
  if (*found == Section::PidChannel && settings_.normal && section_ != Section::DigitalChannel) {
    Fail(msg::kPidMustFollowChannel);
    return Step::Fail;
  }
  section_ = *found;
  if (image_) {
    const HeaderMarkers markers = MarkersAtHeader(*found, settings_.normal);
    if (markers.end) image_->EndMarker();
    if (markers.start) image_->StartMarker();
  }
  switch (*found) {
    case Section::SatNameList:
    case Section::DigitalTp:
      break;
    case Section::Satellite:
      counters_.satellites = 0;
      satMap_.fill(0);
      satUnusable_.fill(true);
      if (nameCount_ != settings_.maxSatellites) {
        reporter_.MessageBox(Format(msg::kSatNameCount, settings_.maxSatellites, lineNumber_));
        return Step::Fail;
      }
      break;
    case Section::AnalogTp:
      if (settings_.splitList) tvProgram_ = radioProgram_ = 0;
      break;
    case Section::DigitalChannel:
      counters_.digitalServices = 0;
      break;
    case Section::PidChannel:
      if (!settings_.normal) counters_.digitalServices = 0;
      break;
  }
  return Step::Continue;
}

bool TextReader::Record(std::string_view line) {
  if (!section_) return Fail(msg::kInvalidState);
  switch (*section_) {
    case Section::SatNameList:
      return NameListLine(line);
    case Section::Satellite:
      return SatelliteLine(line);
    case Section::DigitalTp:
      return DigitalTpLine(line);
    case Section::AnalogTp:
      return AnalogTpLine(line);
    case Section::DigitalChannel:
      return ChannelLine(line);
    case Section::PidChannel:
      return PidChannelLine(line);
  }
  return Fail(msg::kInvalidState);
}

bool TextReader::Usable(int satIndex) const {
  return InRange(satIndex, kSatelliteSlots) && !satUnusable_[static_cast<size_t>(satIndex)];
}

bool TextReader::TpMapped(int tpIndex) const {
  return InRange(tpIndex, kTpSlots) && tpMap_[static_cast<size_t>(tpIndex)] != 0;
}

bool TextReader::TakeProgramNumber(ServiceType type, int& program) {
  int& last = type == ServiceType::Tv ? tvProgram_ : radioProgram_;
  if (settings_.normal && last >= kMaxProgramNumber) return false;
  program = ++last;
  if (settings_.normal) ++(type == ServiceType::Tv ? counters_.tv : counters_.radio);
  return true;
}

bool TextReader::NameListLine(std::string_view line) {
  const ScannedLine s = ScanLine(line, kNameListFormat);
  if (s.count < FieldCount(Section::SatNameList)) return Fail(msg::kFieldMissing);
  const std::string_view name = s.Token(field::kSatNameName);
  if (name.size() > kMaxNameLength) return FailNameLength(msg::kSatNameExceeds);
  if (s.Int(field::kIndex) != nameCount_ + 1) return Fail(msg::kSatNameIndex);
  ++nameCount_;
  if (settings_.normal || nameCount_ > settings_.maxSatellites) return true;
  uint8_t* slot = &nameTable_[kNameFieldBytes * static_cast<size_t>(nameCount_ - 1)];
  std::memset(slot, 0, kNameFieldBytes);
  for (size_t i = 0; i < name.size(); ++i) slot[i] = static_cast<uint8_t>(name[i] == '~' ? ' ' : name[i]);
  if (image_ && nameCount_ == settings_.maxSatellites) image_->NameTable(nameTable_);
  return true;
}

bool TextReader::SatelliteLine(std::string_view line) {
  // A trailing comment is never taken as a field.
  line = line.substr(0, line.find('#'));
  const ScannedLine probe = ScanLine(line, kSatelliteProbeFormat);
  const bool currentForm = probe.count >= 3 && KeywordCode(probe.Token(field::kSatBlank), kYesNo) >= 0;
  SatelliteRecord& r = satellite_;
  if (currentForm) {
    const ScannedLine s = ScanLine(line, kSatelliteFormat);
    if (s.count != 7 && s.count != 6) {
      reporter_.MessageBox(msg::kSatelliteIllegal);
      return false;
    }
    r.index = s.Int(field::kIndex);
    SetName(r.name, s.Token(field::kSatName));
    r.blank = s.Token(field::kSatBlank).starts_with(kYes);
    r.lnbHigh.assign(s.Token(field::kSatLnbHigh));
    r.lnbLow.assign(s.Token(field::kSatLnbLow));
    r.position = s.Int(field::kSatPosition);
    r.positioner = s.count == 7
                       ? static_cast<int16_t>(static_cast<uint16_t>(s.Unsigned(field::kSatDegree) & 0xFFFF))
                       : 0;
  } else {
    // The older form has no blank flag: index, name, LNB high, LNB low, position.
    const ScannedLine s = ScanLine(line, kOldSatelliteFormat);
    if (s.count != 5) {
      reporter_.MessageBox(msg::kSatelliteIllegal);
      return false;
    }
    r.index = s.Int(0);
    SetName(r.name, s.Token(1));
    r.blank = false;
    r.lnbHigh.assign(s.Token(2));
    r.lnbLow.assign(s.Token(3));
    r.position = s.Int(4);
    r.positioner = 0;
  }
  if (r.name.size() > kMaxNameLength) return FailNameLength(msg::kSatNameExceeds);
  ++counters_.satellites;
  if (!InRange(r.index, kSatelliteSlots)) return Fail(msg::kIndexOutOfRange);
  const auto slot = static_cast<size_t>(r.index);
  if (satMap_[slot] != 0) return Fail(msg::kSameSatIndex);
  satMap_[slot] = counters_.satellites;
  satUnusable_[slot] = r.blank;
  if (!FourOrFiveDigits(r.lnbHigh)) return Fail(msg::kLnbHigh);
  if (!FourOrFiveDigits(r.lnbLow)) return Fail(msg::kLnbLow);
  if (image_) image_->Satellite(r);
  return true;
}

bool TextReader::DigitalTpLine(std::string_view line) {
  const ScannedLine s = ScanLine(line, kDigitalTpFormat);
  if (s.count > field::kTpSat && !Usable(s.Int(field::kTpSat))) return true;
  if (s.count < FieldCount(Section::DigitalTp)) return Fail(msg::kFieldMissing);
  DigitalTpRecord& r = digitalTp_;
  r.tpIndex = s.Int(field::kIndex);
  r.satIndex = s.Int(field::kTpSat);
  r.frequency.assign(s.Token(field::kTpFrequency));
  r.symbolRate.assign(s.Token(field::kTpSymbolRate));
  const int polarization = KeywordCode(s.Token(field::kTpPolar), kPolarizations);
  r.polarization = polarization < 0 ? 0 : polarization;
  SetName(r.comment, s.Token(field::kTpBouquet).substr(0, kMaxNameLength));

  auto mapIndex = [&]() {
    ++counters_.digitalTps;
    if (!InRange(r.tpIndex, kTpSlots)) return Fail(msg::kIndexOutOfRange);
    uint16_t& slot = tpMap_[static_cast<size_t>(r.tpIndex)];
    if (slot != 0) return Fail(msg::kSameTpIndex);
    slot = counters_.digitalTps;
    return true;
  };
  if (settings_.normal) {
    if (polarization < 0) return Fail(msg::kTpPolarization);
    if (!FourOrFiveDigits(r.frequency)) return Fail(msg::kTpFrequency);
    if (!FourOrFiveDigits(r.symbolRate)) return Fail(msg::kTpSymbolRate);
    if (!mapIndex()) return false;
  } else {
    if (!mapIndex()) return false;
    if (!FourOrFiveDigits(r.frequency)) return Fail(msg::kBasicTpFrequency);
    if (!FourOrFiveDigits(r.symbolRate)) return Fail(msg::kBasicTpSymbolRate);
    if (polarization < 0) return Fail(msg::kBasicTpPolarization);
  }
  if (image_) image_->DigitalTp(r, counters_.digitalTps);
  return true;
}

bool TextReader::AnalogTpLine(std::string_view line) {
  const ScannedLine s = ScanLine(line, kAnalogTpFormat);
  if (s.count > field::kAnSat && !Usable(s.Int(field::kAnSat))) return true;
  if (s.count < FieldCount(Section::AnalogTp)) return Fail(msg::kFieldMissing);
  AnalogTpRecord& r = analogTp_;
  r.tpIndex = s.Int(field::kIndex);
  r.satIndex = s.Int(field::kAnSat);

  const int type = KeywordCode(s.Token(field::kAnType), kServiceTypes);
  if (type < 0) return Fail(msg::kTvRadio);
  r.type = static_cast<ServiceType>(type);
  if (!TakeProgramNumber(r.type, r.programNumber)) return Fail(msg::kTooManyServices);
  const int blank = KeywordCode(s.Token(field::kAnBlank), kYesNo);
  if (blank < 0) return Fail(msg::kBlank);
  r.blank = blank == 1;

  ++counters_.analogTps;
  if (!InRange(r.tpIndex, kTpSlots)) return Fail(msg::kIndexOutOfRange);
  uint16_t& slot = analogMap_[static_cast<size_t>(r.tpIndex)];
  if (slot != 0) return Fail(msg::kSameAtpIndex);
  slot = counters_.analogTps;

  const std::string_view name = s.Token(field::kAnName);
  if (name.size() > kMaxNameLength) return FailNameLength(msg::kNameExceeds);
  SetName(r.name, name);
  r.frequency.assign(s.Token(field::kAnFrequency));
  if (!FourOrFiveDigits(r.frequency)) return Fail(msg::kAtpFrequency);
  if ((r.videoBand = KeywordCode(s.Token(field::kAnVideoBand), kVideoBands)) < 0)
    return Fail(msg::kAtpVideoBand);
  if ((r.polarization = KeywordCode(s.Token(field::kAnPolar), kPolarizations)) < 0)
    return Fail(msg::kAtpPolarization);
  if ((r.audioMode = KeywordCode(s.Token(field::kAnAudioMode), kAudioModes)) < 0)
    return Fail(msg::kAtpAudioMode);
  if ((r.decoderOutput = KeywordCode(s.Token(field::kAnDecoderOutput), kDecoderOutputs)) < 0)
    return Fail(msg::kAtpDecoderOutput);
  if ((r.audioBand = KeywordCode(s.Token(field::kAnAudioBand), kAudioBands)) < 0)
    return Fail(msg::kAtpAudioBand);
  if ((r.deEmphasis = KeywordCode(s.Token(field::kAnDeEmphasis), kDeEmphases)) < 0)
    return Fail(msg::kAtpDeEmphasis);
  const int panda = KeywordCode(s.Token(field::kAnPanda), kYesNo);
  if (panda < 0) return Fail(msg::kAtpPanda);
  r.panda = panda == 1;
  if ((r.tpBand = KeywordCode(s.Token(field::kAnTpBand), kTpBands)) < 0) return Fail(msg::kAtpTpBand);
  r.threshold = s.Int(field::kAnThreshold);
  r.contrast = s.Int(field::kAnContrast);
  r.audioLeft.assign(s.Token(field::kAnAudioLeft));
  r.audioRight.assign(s.Token(field::kAnAudioRight));
  if (image_) image_->AnalogTp(r);
  return true;
}

// What sets the checks of the two digital service lines apart: their messages, and where
// the normal compile checks the index (the PID channels' after their transponder).
struct TextReader::ServiceRules {
  std::vector<uint16_t>* map;
  int64_t slots;
  const char* normalBlank;
  const char* normalTpReference;
  bool normalIndexLast;
  const char* basicBlank;
  const char* basicName;
};

bool TextReader::MapService(const ServiceRules& rules, int64_t index) {
  ++counters_.digitalServices;
  if (!InRange(index, rules.slots)) return Fail(msg::kIndexOutOfRange);
  uint16_t& slot = (*rules.map)[static_cast<size_t>(index)];
  if (slot != 0) return Fail(msg::kSameSvcIndex);
  slot = counters_.digitalServices;
  return true;
}

template <typename ServiceRecord>
bool TextReader::ServiceChecks(ServiceRecord& r, int64_t index, int type, int blank, std::string_view name,
                               const ServiceRules& rules) {
  r.blank = blank == 1;
  if (settings_.normal) {
    if (type < 0) return Fail(msg::kSvcType);
    r.type = static_cast<ServiceType>(type);
    if (!TakeProgramNumber(r.type, r.programNumber)) return Fail(msg::kTooManyServices);
    if (blank < 0) return Fail(rules.normalBlank);
    if (!rules.normalIndexLast && !MapService(rules, index)) return false;
    if (!r.blank && !TpMapped(r.tpIndex)) return Fail(rules.normalTpReference);
    if (!r.blank && TpPosition(r.tpIndex) > kMaxNormalTpPosition) return Fail(msg::kTpPositionTooHigh);
    // A null channel keeps the D_TP index as written (its low 12 bits).
    r.tpPosition = r.blank ? r.tpIndex : TpPosition(r.tpIndex);
    if (rules.normalIndexLast && !MapService(rules, index)) return false;
  } else {
    if (!MapService(rules, index)) return false;
    if (blank < 0) return Fail(rules.basicBlank);
    if (!r.blank && !TpMapped(r.tpIndex)) return Fail(msg::kTpReference);
    if (type < 0) return Fail(msg::kBasicSvcType);
    r.type = static_cast<ServiceType>(type);
  }
  if (name.size() > kMaxNameLength)
    return FailNameLength(settings_.normal ? msg::kNameExceeds : rules.basicName);
  SetName(r.name, name);
  return true;
}

bool TextReader::ChannelLine(std::string_view line) {
  const ScannedLine s = ScanLine(line, kChannelFormat);
  if (s.count > field::kChSat && !Usable(s.Int(field::kChSat))) return true;
  if (s.count < FieldCount(Section::DigitalChannel)) return Fail(msg::kFieldMissing);
  DigitalChannelRecord& r = channel_;
  r.svcIndex = s.Unsigned(field::kIndex);
  r.tpIndex = s.Int(field::kChTp);
  r.satIndex = s.Int(field::kChSat);
  r.svcId = s.Unsigned(field::kChSvcId);
  r.activeAudio = s.Int(field::kChAudio);
  const ServiceRules rules{&channelMap_, kChannelSlots, msg::kBlank,      msg::kTpReference,
                           false,        msg::kBlank,   msg::kNameExceeds};
  if (!ServiceChecks(r, r.svcIndex, KeywordCode(s.Token(field::kChType), kServiceTypes),
                     KeywordCode(s.Token(field::kChBlank), kYesNo), s.Token(field::kChName), rules))
    return false;
  if (image_) image_->DigitalChannel(r);
  return true;
}

bool TextReader::PidChannelLine(std::string_view line) {
  const ScannedLine s = ScanLine(line, kPidChannelFormat);
  if (s.count > field::kPidSat && !Usable(s.Int(field::kPidSat))) return true;
  if (s.count < FieldCount(Section::PidChannel)) return Fail(msg::kFieldMissing);
  PidChannelRecord& r = pidChannel_;
  r.svcIndex = s.Int(field::kIndex);
  r.tpIndex = s.Int(field::kPidTp);
  r.satIndex = s.Int(field::kPidSat);
  r.videoPid = s.Int(field::kPidVideo);
  r.audioPid = s.Int(field::kPidAudio);
  r.pcrPid = s.Int(field::kPidPcr);
  r.activeAudio = s.Int(field::kPidActiveAudio);
  const ServiceRules rules{&pidMap_, kPidChannelSlots,    msg::kPidBlank,           msg::kPidTpReference,
                           true,     msg::kBasicPidBlank, msg::kBasicPidNameExceeds};
  if (!ServiceChecks(r, r.svcIndex, KeywordCode(s.Token(field::kPidType), kServiceTypes),
                     KeywordCode(s.Token(field::kPidBlank), kYesNo), s.Token(field::kPidName), rules))
    return false;
  if (image_) image_->PidChannel(r);
  return true;
}

}  // namespace lumoscope
