#include "editing/NewAnalogChannel.h"

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/ListLimits.h"
#include "editing/ChannelFormChecks.h"
#include "editing/NewChannelSteps.h"
#include "editing/SatelliteLines.h"

namespace lumoscope {

namespace {

// The keyword at a position of the dialog's list; a position past the end takes the
// last keyword, as the receiver's editor always did. (The video band list takes its
// first keyword for anything but the second position.)
template <size_t N>
std::string KeywordAt(const KeywordList<N>& keywords, int position) {
  if (position < 0 || static_cast<size_t>(position) >= N) return std::string(keywords[N - 1]);
  return std::string(keywords[static_cast<size_t>(position)]);
}

constexpr int kWideVideoBand = 1;  // "27MHz"

AnalogChannelForm DefaultForm(const std::vector<std::string>& satelliteLines) {
  AnalogChannelForm form;
  form.satellite = SatelliteFieldsOf(satelliteLines, 0);
  return form;
}

std::vector<std::string> AnalogRecord(const AnalogChannelForm& form, const std::string& satelliteIndex) {
  return {
      "1",  // provisional A_TP Index: the refresh numbers the analog records by position
      satelliteIndex,
      form.frequency,
      std::string(kTpBands[form.cBand ? 0 : 1]),
      TrimmedUpper(form.name),
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
      std::string(kNo),
  };
}

}  // namespace

void CreateNewAnalogChannel(INewChannelHost& host, IChannelDialogs& dialogs) {
  std::vector<std::string>& fields = host.Fields();
  const SectionLocator sections(fields);
  if (!SectionsUsable(sections, {Section::Satellite, Section::AnalogTp}, host.Reporter())) return;
  const std::vector<std::string> satelliteLines = SatelliteSectionLines(fields, sections[Section::Satellite]);

  AnalogChannelForm form = DefaultForm(satelliteLines);
  if (!dialogs.RunAnalog(form, satelliteLines)) return;
  host.PushUndo(kNewAnalogUndoLabel);

  if (form.frequency.empty()) return RefuseAfterUndoStep(host, kFrequencyNotFilledMessage);
  if (auto problem = CheckAnalogForm(form)) return RefuseAfterUndoStep(host, *problem);
  std::string satelliteIndex;
  if (!SelectedSatelliteIndex(host, sections[Section::Satellite], form.satellite.selected, satelliteIndex))
    return;
  if (sections[Section::AnalogTp].Records() + 1 > kMaxAnalogChannels)
    return RefuseAfterUndoStep(host, kListFullMessage);

  AppendRecord(fields, sections[Section::AnalogTp], AnalogRecord(form, satelliteIndex));
  host.RefreshWithRenumber();
}

}  // namespace lumoscope
