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

enum class TransponderChoice { Reuse, MakeNew, Cancelled };

// Step of the transponder choice: an exact match is reused silently; a near one is
// offered to the person.
TransponderChoice ChooseTransponder(INewChannelHost& host, const SectionSpan& digital,
                                    const TuningValues& wanted, std::string& transponderIndex) {
  const std::vector<std::string>& fields = host.Fields();
  if (auto exact = FindExactTransponder(fields, digital, wanted)) {
    transponderIndex = fields[digital.At(*exact, field::kIndex)];
    return TransponderChoice::Reuse;
  }
  const auto similar = FindSimilarTransponder(fields, digital, wanted);
  if (!similar) return TransponderChoice::MakeNew;
  switch (host.Reporter().AskYesNoCancel(SimilarTransponderQuestion(fields, digital, *similar),
                                         kSimilarTransponderCaption)) {
    case Answer::Yes:
      transponderIndex = fields[digital.At(*similar, field::kIndex)];
      return TransponderChoice::Reuse;
    case Answer::No:
      return TransponderChoice::MakeNew;
    case Answer::Cancel:
      break;
  }
  return TransponderChoice::Cancelled;
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
  const std::vector<std::string> satelliteLines = SatelliteSectionLines(fields, sections[Section::Satellite]);

  DigitalChannelForm form = DefaultForm(satelliteLines);
  if (!dialogs.RunDigital(form, satelliteLines)) return;
  host.PushUndo(kNewDigitalUndoLabel);

  form.svcId = Trimmed(form.svcId);
  if (form.svcId.empty()) return RefuseAfterUndoStep(host, kEmptyServiceIdMessage);
  if (auto problem = CheckDigitalForm(form)) return RefuseAfterUndoStep(host, *problem);
  TuningValues wanted{
      form.frequency, form.symbolRate, std::string(form.horizontal ? kHorizontal : kVertical), {}};
  if (!SelectedSatelliteIndex(host, sections[Section::Satellite], form.satellite.selected,
                              wanted.satelliteIndex))
    return;
  if (sections[Section::DigitalChannel].Records() + sections[Section::PidChannel].Records() + 1 >
      kMaxDigitalChannels)
    return RefuseAfterUndoStep(host, kListFullMessage);

  std::string transponderIndex;
  switch (ChooseTransponder(host, sections[Section::DigitalTp], wanted, transponderIndex)) {
    case TransponderChoice::Cancelled:
      host.DropUndo();
      return;
    case TransponderChoice::MakeNew: {
      const long next = LargestInField(fields, sections[Section::DigitalTp], field::kIndex).value_or(0) + 1;
      if (next > kMaxTransponderIndex) return RefuseAfterUndoStep(host, kListFullMessage);
      transponderIndex = std::to_string(next);
      AppendRecord(fields, sections[Section::DigitalTp],
                   {transponderIndex, wanted.satelliteIndex, form.frequency, form.symbolRate,
                    wanted.polarization, Trimmed(form.bouquet)});
      break;
    }
    case TransponderChoice::Reuse:
      break;
  }

  // The transponder may have moved the sections below it.
  const SectionLocator after(fields);
  AppendRecord(fields, after[Section::DigitalChannel],
               {std::to_string(serviceIndex), transponderIndex, wanted.satelliteIndex, form.svcId,
                std::string(form.tv ? kTv : kRadio), form.name, form.activeAudio, std::string(kNo)});
  host.RefreshWithRenumber();
}

}  // namespace lumoscope
