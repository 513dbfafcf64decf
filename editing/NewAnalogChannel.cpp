#include "editing/NewAnalogChannel.h"

#include <array>

#include "base/FieldConversions.h"
#include "base/ListLimits.h"
#include "editing/ChannelFormChecks.h"
#include "editing/NewChannelSteps.h"
#include "editing/SatelliteLines.h"

namespace lumoscope {

namespace {

// Keywords of the dialog's lists by list position; a position past the end takes the
// last keyword, as the receiver's editor always did.
constexpr std::array<const char*, 4> kDecoderOutputs{"CVBS", "DEEMP_CVBS", "BASEBAND", "CANAL"};
constexpr std::array<const char*, 3> kAudioModes{"STEREO", "MONO_LEFT", "MONO_RIGHT"};
constexpr std::array<const char*, 5> kBandWidths{"130", "180", "280", "300", "400"};
constexpr std::array<const char*, 4> kDeEmphases{"NO_DEEMP", "U50", "U75", "J17"};
constexpr int kWideVideoBand = 1;  // "27MHz"

template <size_t N>
std::string KeywordAt(const std::array<const char*, N>& keywords, int position) {
  if (position < 0 || static_cast<size_t>(position) >= N) return keywords[N - 1];
  return keywords[static_cast<size_t>(position)];
}

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
      form.cBand ? "C" : "KU",
      TrimmedUpper(form.name),
      form.videoBand == kWideVideoBand ? "27MHz" : "18MHz",
      form.horizontal ? "H" : "V",
      form.threshold,
      form.contrast,
      KeywordAt(kDecoderOutputs, form.decoderOutput),
      KeywordAt(kAudioModes, form.audioMode),
      form.audioLeft,
      form.audioRight,
      KeywordAt(kBandWidths, form.bandWidth),
      form.dnrYes ? "Y" : "N",
      KeywordAt(kDeEmphases, form.deEmphasis),
      form.tv ? "TV" : "RADIO",
      "N",
  };
}

}  // namespace

void CreateNewAnalogChannel(INewChannelHost& host, IChannelDialogs& dialogs) {
  std::vector<std::string>& fields = host.Fields();
  const SectionLocator sections(fields);
  if (!SectionsUsable(sections, {SectionId::Satellite, SectionId::Analog}, host.Reporter())) return;
  const std::vector<std::string> satelliteLines =
      SatelliteSectionLines(fields, sections[SectionId::Satellite]);

  AnalogChannelForm form = DefaultForm(satelliteLines);
  if (!dialogs.RunAnalog(form, satelliteLines)) return;
  host.PushUndo(kNewAnalogUndoLabel);

  if (form.frequency.empty()) return RefuseAfterUndoStep(host, kFrequencyNotFilledMessage);
  if (auto problem = CheckAnalogForm(form)) return RefuseAfterUndoStep(host, *problem);
  std::string satelliteIndex;
  if (!SelectedSatelliteIndex(host, sections[SectionId::Satellite], form.satellite.selected, satelliteIndex))
    return;
  if (sections[SectionId::Analog].RecordCount() + 1 > kMaxAnalogChannels)
    return RefuseAfterUndoStep(host, kListFullMessage);

  AppendRecord(fields, sections[SectionId::Analog], AnalogRecord(form, satelliteIndex));
  host.RefreshWithRenumber();
}

}  // namespace lumoscope
