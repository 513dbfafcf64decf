#include "editing/NewDigitalChannel.h"

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/ListLimits.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "editing/ChannelFormChecks.h"
#include "editing/FieldValues.h"
#include "editing/NewChannelSteps.h"
#include "editing/SatelliteLines.h"
#include "editing/TransponderSearch.h"

namespace lumoscope {

namespace {

// The next SVC Index: one above the largest in CHANNEL and CHANNEL_PID together. The
// refresh renumbers the channels by position, so this only has to be unused.
long NextServiceIndex(const std::vector<std::string>& fields, const SectionLocator& sections) {
  std::optional<long> largest = LargestInField(fields, sections[Section::DigitalChannel], field::kIndex);
  const std::optional<long> pid = LargestInField(fields, sections[Section::PidChannel], field::kIndex);
  if (pid && (!largest || *pid > *largest)) largest = pid;
  return largest.value_or(0) + 1;
}

DigitalChannelForm DefaultForm(const std::vector<std::string>& satelliteLines) {
  DigitalChannelForm form;
  form.satellite = SatelliteFieldsOf(satelliteLines, 0);
  return form;
}

}  // namespace

void CreateNewDigitalChannel(INewChannelHost& host, IChannelDialogs& dialogs) {
  std::vector<std::string>& fields = host.Fields();
  const SectionLocator sections(fields);
  if (!SectionsUsable(sections,
                      {Section::Satellite, Section::DigitalTp, Section::DigitalChannel, Section::PidChannel},
                      host.Reporter()))
    return;
  const long serviceIndex = NextServiceIndex(fields, sections);
  const ChannelDialogSetup setup{SatelliteSectionLines(fields, sections[Section::Satellite]), host.Names(),
                                 DialogPurpose::New};

  DigitalChannelForm form = DefaultForm(setup.satelliteLines);
  if (!dialogs.RunDigital(form, setup)) return;
  host.PushUndo(kNewDigitalUndoLabel);

  form.svcId = Trimmed(form.svcId);
  if (form.svcId.empty()) return RefuseAfterUndoStep(host, kEmptyServiceIdMessage);
  form.pid = false;  // a new channel is always given by its service ID
  if (auto problem = CheckDigitalForm(form, host.Names())) return RefuseAfterUndoStep(host, *problem);
  TuningValues wanted{
      form.frequency, form.symbolRate, std::string(form.horizontal ? kHorizontal : kVertical), {}};
  if (!SelectedSatelliteIndex(host, sections[Section::Satellite], form.satellite.selected,
                              wanted.satelliteIndex))
    return;
  if (sections[Section::DigitalChannel].Records() + sections[Section::PidChannel].Records() + 1 >
      kMaxDigitalChannels)
    return RefuseAfterUndoStep(host, kListFullMessage);

  std::string transponderIndex;
  switch (
      ChooseTransponder(fields, sections[Section::DigitalTp], wanted, host.Reporter(), transponderIndex)) {
    case TransponderChoice::Cancelled:
      host.DropUndo();
      return;
    case TransponderChoice::MakeNew: {
      const std::optional<std::string> added = AppendTransponder(
          host, sections[Section::DigitalTp], wanted, StoredName(Trimmed(form.bouquet), host.Names()));
      if (!added) return;
      transponderIndex = *added;
      break;
    }
    case TransponderChoice::Reuse:
      break;
  }

  // The transponder may have moved the sections below it.
  const SectionLocator after(fields);
  AppendRecord(fields, after[Section::DigitalChannel],
               {std::to_string(serviceIndex), transponderIndex, wanted.satelliteIndex, form.svcId,
                std::string(form.tv ? kTv : kRadio), StoredName(form.name, host.Names()), form.activeAudio,
                std::string(kNo)});
  host.RefreshWithRenumber();
}

}  // namespace lumoscope
