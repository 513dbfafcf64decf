#include "editing/EditChannel.h"

#include <algorithm>
#include <optional>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "database/ListFill.h"
#include "editing/ChannelFormChecks.h"
#include "editing/ChannelRecords.h"
#include "editing/NewChannelSteps.h"
#include "editing/TransponderSearch.h"

namespace lumoscope {

namespace {

constexpr const char* kRefusal = "The channel cannot be edited";

std::optional<Section> ChannelKindAt(const SectionLocator& sections, size_t first) {
  for (Section kind : {Section::DigitalChannel, Section::PidChannel, Section::AnalogTp}) {
    const SectionSpan& span = sections[kind];
    if (span.Holds(first) && (first - span.First()) % span.width == 0) return kind;
  }
  return std::nullopt;
}

// The record a digital form stands for, on the given transponder and satellite; the
// index and the blank flag stay the record's.
std::vector<std::string> DigitalRecordOf(const DigitalChannelForm& form, const std::string* record,
                                         const std::string& tp, const std::string& sat,
                                         const NameCodec& names) {
  const std::string type(form.tv ? kTv : kRadio);
  const std::string name = StoredName(form.name, names);
  if (form.pid)
    return {record[field::kIndex],
            tp,
            sat,
            type,
            name,
            form.videoPid,
            form.audioPid,
            form.pcrPid,
            form.activeAudio,
            record[field::kPidBlank]};
  return {record[field::kIndex],  tp, sat, Trimmed(form.svcId), type, name, form.activeAudio,
          record[field::kChBlank]};
}

bool TuningChanged(const DigitalChannelForm& shown, const DigitalChannelForm& edited) {
  return edited.frequency != shown.frequency || edited.symbolRate != shown.symbolRate ||
         edited.horizontal != shown.horizontal || edited.satellite.selected != shown.satellite.selected;
}

// The record's place as a record number of its section, which an added transponder
// does not change.
size_t RecordNumber(const SectionSpan& span, size_t first) {
  return (first - span.First()) / span.width;
}

void Replace(std::vector<std::string>& fields, size_t first, std::vector<std::string> record) {
  for (size_t i = 0; i < record.size(); ++i) fields[first + i] = std::move(record[i]);
}

// Takes back the undo step when the dialog's OK left the list as it was, and the edit
// when it took the list past the receiver's limits (`before`: the list's fill before it).
EditOutcome Finish(INewChannelHost& host, bool changed, const ListFill& before) {
  if (!changed) {
    host.DropUndo();
    return EditOutcome::Unchanged;
  }
  if (!StillFits(before, host.Fields(), host.Reporter())) {
    host.RevertToUndoStep();
    return EditOutcome::Refused;
  }
  host.RefreshKeepingNumbers();
  return EditOutcome::Changed;
}

// A CHANNEL and a CHANNEL_PID record name their transponder and satellite at the same
// places.
static_assert(field::kChTp == field::kPidTp && field::kChSat == field::kPidSat);

EditOutcome EditDigital(INewChannelHost& host, IChannelDialogs& dialogs, Section kind, size_t first) {
  std::vector<std::string>& fields = host.Fields();
  const SectionLocator sections(fields);
  if (!SectionsUsable(sections, {Section::Satellite, Section::DigitalTp}, host.Reporter(), kRefusal))
    return EditOutcome::Refused;
  const NameCodec& names = host.Names();
  const ChannelDialogSetup setup{SatelliteSectionLines(fields, sections[Section::Satellite]), names,
                                 DialogPurpose::Edit};
  const DigitalChannelForm shown = DigitalFormOf(fields, sections, kind, first, names);
  DigitalChannelForm form = shown;
  if (!dialogs.RunDigital(form, setup)) return EditOutcome::Cancelled;
  form.pid = shown.pid;
  const ListFill fill = FillOfList(fields);
  host.PushUndo(kEditChannelUndoLabel);

  if (auto problem = CheckDigitalForm(form, names, &shown)) {
    RefuseAfterUndoStep(host, *problem);
    return EditOutcome::Refused;
  }
  const SectionSpan& span = sections[kind];
  const std::vector<std::string> before(fields.begin() + static_cast<std::ptrdiff_t>(first),
                                        fields.begin() + static_cast<std::ptrdiff_t>(first + span.width));
  const size_t recordNumber = RecordNumber(span, first);
  std::string tp = before[field::kChTp];
  std::string sat = before[field::kChSat];
  bool changed = false;
  const SectionSpan& digital = sections[Section::DigitalTp];
  const std::string bouquet = StoredName(Trimmed(form.bouquet), names);
  if (TuningChanged(shown, form)) {
    TuningValues wanted{
        form.frequency, form.symbolRate, std::string(form.horizontal ? kHorizontal : kVertical), {}};
    if (!SelectedSatelliteIndex(host, sections[Section::Satellite], form.satellite.selected,
                                wanted.satelliteIndex))
      return EditOutcome::Refused;
    switch (ChooseTransponder(fields, digital, wanted, host.Reporter(), tp)) {
      case TransponderChoice::Cancelled:
        host.DropUndo();
        return EditOutcome::Cancelled;
      case TransponderChoice::MakeNew: {
        const std::optional<std::string> added = AppendTransponder(host, digital, wanted, bouquet);
        if (!added) return EditOutcome::Refused;
        tp = *added;
        changed = true;
        break;
      }
      case TransponderChoice::Reuse:
        break;
    }
    sat = wanted.satelliteIndex;
  } else if (form.bouquet != shown.bouquet) {
    // The bouquet is the comment of the channel's own transponder.
    for (size_t r = 0; r < digital.Records(); ++r) {
      std::string& comment = fields[digital.At(r, field::kTpBouquet)];
      if (fields[digital.At(r, field::kIndex)] != tp) continue;
      changed = changed || comment != bouquet;
      comment = bouquet;
      break;
    }
  }

  std::vector<std::string> edited =
      MergeEdit(before.data(),
                DigitalRecordOf(shown, before.data(), before[field::kChTp], before[field::kChSat], names),
                DigitalRecordOf(form, before.data(), tp, sat, names));
  changed = changed || edited != before;
  const SectionLocator after(fields);  // a new transponder may have moved the channels
  Replace(fields, after[kind].At(recordNumber), std::move(edited));
  return Finish(host, changed, fill);
}

EditOutcome EditAnalog(INewChannelHost& host, IChannelDialogs& dialogs, size_t first) {
  std::vector<std::string>& fields = host.Fields();
  const SectionLocator sections(fields);
  if (!SectionsUsable(sections, {Section::Satellite}, host.Reporter(), kRefusal)) return EditOutcome::Refused;
  const NameCodec& names = host.Names();
  const ChannelDialogSetup setup{SatelliteSectionLines(fields, sections[Section::Satellite]), names,
                                 DialogPurpose::Edit};
  const AnalogChannelForm shown = AnalogFormOf(fields, sections, first, names);
  AnalogChannelForm form = shown;
  if (!dialogs.RunAnalog(form, setup)) return EditOutcome::Cancelled;
  const ListFill fill = FillOfList(fields);
  host.PushUndo(kEditChannelUndoLabel);

  if (auto problem = CheckAnalogForm(form, names, &shown)) {
    RefuseAfterUndoStep(host, *problem);
    return EditOutcome::Refused;
  }
  const std::string* record = fields.data() + first;
  std::string sat = record[field::kAnSat];
  if (form.satellite.selected != shown.satellite.selected &&
      !SelectedSatelliteIndex(host, sections[Section::Satellite], form.satellite.selected, sat))
    return EditOutcome::Refused;
  const std::string& index = record[field::kIndex];
  const std::string& blank = record[field::kAnBlank];
  std::vector<std::string> edited =
      MergeEdit(record, AnalogRecordOf(shown, index, record[field::kAnSat], blank, names),
                AnalogRecordOf(form, index, sat, blank, names));
  const bool changed = !std::equal(edited.begin(), edited.end(), record);
  Replace(fields, first, std::move(edited));
  return Finish(host, changed, fill);
}

}  // namespace

EditOutcome EditChannel(INewChannelHost& host, IChannelDialogs& dialogs, size_t first) {
  const SectionLocator sections(host.Fields());
  const std::optional<Section> kind = ChannelKindAt(sections, first);
  if (!kind) return EditOutcome::Cancelled;
  if (*kind == Section::AnalogTp) return EditAnalog(host, dialogs, first);
  return EditDigital(host, dialogs, *kind, first);
}

}  // namespace lumoscope
