#include "editing/NewAnalogChannel.h"

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/ListLimits.h"
#include "editing/ChannelFormChecks.h"
#include "editing/ChannelRecords.h"
#include "editing/NewChannelSteps.h"
#include "editing/SatelliteLines.h"

namespace lumoscope {

namespace {

AnalogChannelForm DefaultForm(const std::vector<std::string>& satelliteLines) {
  AnalogChannelForm form;
  form.satellite = SatelliteFieldsOf(satelliteLines, 0);
  return form;
}

// The provisional A_TP Index: the refresh numbers the analog records by position.
constexpr const char* kProvisionalIndex = "1";

}  // namespace

void CreateNewAnalogChannel(INewChannelHost& host, IChannelDialogs& dialogs) {
  std::vector<std::string>& fields = host.Fields();
  const SectionLocator sections(fields);
  if (!SectionsUsable(sections, {Section::Satellite, Section::AnalogTp}, host.Reporter())) return;
  const ChannelDialogSetup setup{SatelliteSectionLines(fields, sections[Section::Satellite]), host.Names(),
                                 DialogPurpose::New};

  AnalogChannelForm form = DefaultForm(setup.satelliteLines);
  if (!dialogs.RunAnalog(form, setup)) return;
  host.PushUndo(kNewAnalogUndoLabel);

  if (form.frequency.empty()) return RefuseAfterUndoStep(host, kFrequencyNotFilledMessage);
  if (auto problem = CheckAnalogForm(form, host.Names())) return RefuseAfterUndoStep(host, *problem);
  std::string satelliteIndex;
  if (!SelectedSatelliteIndex(host, sections[Section::Satellite], form.satellite.selected, satelliteIndex))
    return;
  if (sections[Section::AnalogTp].Records() + 1 > kMaxAnalogChannels)
    return RefuseAfterUndoStep(host, kListFullMessage);

  AppendRecord(fields, sections[Section::AnalogTp],
               AnalogRecordOf(form, kProvisionalIndex, satelliteIndex, std::string(kNo), host.Names()));
  host.RefreshWithRenumber();
}

}  // namespace lumoscope
