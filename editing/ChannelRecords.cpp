#include "editing/ChannelRecords.h"

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/RecordFields.h"
#include "editing/NewChannelSteps.h"
#include "editing/SatelliteLines.h"

namespace lumoscope {

namespace {

// The keyword at a position of a dialog's list; a position past the end takes the last
// keyword, so whatever the dialog hands back, the record gets a keyword the reader takes.
template <size_t N>
std::string KeywordAt(const KeywordList<N>& keywords, int position) {
  if (position < 0 || static_cast<size_t>(position) >= N) return std::string(keywords[N - 1]);
  return std::string(keywords[static_cast<size_t>(position)]);
}

// The list position a stored keyword opens its dialog with; the first for a text the
// reader would not take.
template <size_t N>
int PositionOf(const std::string& stored, const KeywordList<N>& keywords) {
  const int code = KeywordCode(Trimmed(stored), keywords);
  return code < 0 ? 0 : code;
}

constexpr int kWideVideoBand = 1;  // "27MHz"

// The satellite part of a form: the satellite the record names, or the first one.
SatelliteFields SatelliteOf(const std::vector<std::string>& fields, const SectionLocator& sections,
                            const std::string& satelliteIndex) {
  const std::vector<std::string> lines = SatelliteSectionLines(fields, sections[Section::Satellite]);
  const SectionSpan& satellites = sections[Section::Satellite];
  size_t selected = 0;
  for (size_t r = 0; r < satellites.Records(); ++r) {
    if (fields[satellites.At(r, field::kIndex)] == satelliteIndex) {
      selected = r;
      break;
    }
  }
  return SatelliteFieldsOf(lines, selected);
}

}  // namespace

DigitalChannelForm DigitalFormOf(const std::vector<std::string>& fields, const SectionLocator& sections,
                                 Section kind, size_t first, const NameCodec& names) {
  const std::string* record = fields.data() + first;
  const bool pid = kind == Section::PidChannel;
  DigitalChannelForm form;
  form.pid = pid;
  form.name = names.Decode(record[pid ? field::kPidName : field::kChName]);
  if (pid) {
    form.svcId.clear();
    form.videoPid = Trimmed(record[field::kPidVideo]);
    form.audioPid = Trimmed(record[field::kPidAudio]);
    form.pcrPid = Trimmed(record[field::kPidPcr]);
  } else {
    form.svcId = record[field::kChSvcId];
  }
  form.activeAudio = record[pid ? field::kPidActiveAudio : field::kChAudio];
  form.tv = TrimmedUpper(record[pid ? field::kPidType : field::kChType]) == kTv;
  form.frequency.clear();
  form.symbolRate.clear();
  form.bouquet.clear();
  const std::string& tpIndex = record[pid ? field::kPidTp : field::kChTp];
  const SectionSpan& digital = sections[Section::DigitalTp];
  for (size_t r = 0; r < digital.Records(); ++r) {
    if (fields[digital.At(r, field::kIndex)] != tpIndex) continue;
    form.frequency = fields[digital.At(r, field::kTpFrequency)];
    form.symbolRate = fields[digital.At(r, field::kTpSymbolRate)];
    form.horizontal = KeywordCode(fields[digital.At(r, field::kTpPolar)], kPolarizations) != 1;
    form.bouquet = names.Decode(fields[digital.At(r, field::kTpBouquet)]);
    break;
  }
  form.satellite = SatelliteOf(fields, sections, record[pid ? field::kPidSat : field::kChSat]);
  return form;
}

AnalogChannelForm AnalogFormOf(const std::vector<std::string>& fields, const SectionLocator& sections,
                               size_t first, const NameCodec& names) {
  const std::string* record = fields.data() + first;
  AnalogChannelForm form;
  form.name = names.Decode(record[field::kAnName]);
  form.frequency = record[field::kAnFrequency];
  form.cBand = KeywordCode(record[field::kAnTpBand], kTpBands) != 1;
  form.videoBand = PositionOf(record[field::kAnVideoBand], kVideoBands);
  form.horizontal = KeywordCode(record[field::kAnPolar], kPolarizations) != 1;
  form.threshold = record[field::kAnThreshold];
  form.contrast = record[field::kAnContrast];
  form.decoderOutput = PositionOf(record[field::kAnDecoderOutput], kDecoderOutputs);
  form.audioMode = PositionOf(record[field::kAnAudioMode], kAudioModes);
  form.audioLeft = record[field::kAnAudioLeft];
  form.audioRight = record[field::kAnAudioRight];
  form.bandWidth = PositionOf(record[field::kAnAudioBand], kAudioBands);
  form.dnrYes = KeywordCode(record[field::kAnPanda], kYesNo) == 1;
  form.deEmphasis = PositionOf(record[field::kAnDeEmphasis], kDeEmphases);
  form.tv = TrimmedUpper(record[field::kAnType]) == kTv;
  form.satellite = SatelliteOf(fields, sections, record[field::kAnSat]);
  return form;
}

std::vector<std::string> AnalogRecordOf(const AnalogChannelForm& form, const std::string& index,
                                        const std::string& satelliteIndex, const std::string& blank,
                                        const NameCodec& names) {
  return {
      index,
      satelliteIndex,
      form.frequency,
      std::string(kTpBands[form.cBand ? 0 : 1]),
      StoredName(TrimmedUpper(form.name), names),
      std::string(kVideoBands[form.videoBand == kWideVideoBand ? 1 : 0]),
      std::string(form.horizontal ? kHorizontal : kVertical),
      form.threshold,
      form.contrast,
      KeywordAt(kDecoderOutputs, form.decoderOutput),
      KeywordAt(kAudioModes, form.audioMode),
      form.audioLeft,
      form.audioRight,
      KeywordAt(kAudioBands, form.bandWidth),
      std::string(form.dnrYes ? kYes : kNo),
      KeywordAt(kDeEmphases, form.deEmphasis),
      std::string(form.tv ? kTv : kRadio),
      blank,
  };
}

std::vector<std::string> MergeEdit(const std::string* record, const std::vector<std::string>& fromShown,
                                   const std::vector<std::string>& fromEdited) {
  std::vector<std::string> merged(fromEdited.size());
  for (size_t i = 0; i < merged.size(); ++i)
    merged[i] = fromEdited[i] == fromShown[i] ? record[i] : fromEdited[i];
  return merged;
}

}  // namespace lumoscope
