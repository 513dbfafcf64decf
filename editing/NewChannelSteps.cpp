#include "editing/NewChannelSteps.h"

#include "base/ListLimits.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "editing/FieldValues.h"

namespace lumoscope {

bool SectionsUsable(const SectionLocator& sections, std::initializer_list<Section> needed,
                    IReporter& reporter, const char* refusal) {
  for (Section section : needed) {
    if (!sections[section].Found()) {
      const std::string header(FormatOf(section).header);
      reporter.MessageBox(
          Format("%s: the %s section of the channel list is missing or damaged.", refusal, header.c_str()));
      return false;
    }
  }
  if (sections[Section::Satellite].Records() == 0) {
    reporter.MessageBox(Format(
        "%s: the channel list has no satellite. Add a satellite to the [SATELLITE] section first.", refusal));
    return false;
  }
  return true;
}

std::vector<std::string> SatelliteSectionLines(const std::vector<std::string>& fields,
                                               const SectionSpan& satellites) {
  const auto first = fields.begin() + static_cast<std::ptrdiff_t>(satellites.First());
  const auto last = fields.begin() + static_cast<std::ptrdiff_t>(satellites.end);
  return {first, last};
}

void RefuseAfterUndoStep(INewChannelHost& host, const std::string& message) {
  host.Reporter().MessageBox(message);
  host.DropUndo();
}

bool SelectedSatelliteIndex(INewChannelHost& host, const SectionSpan& satellites, int selected,
                            std::string& satelliteIndex) {
  if (selected < 0 || static_cast<size_t>(selected) >= satellites.Records()) {
    RefuseAfterUndoStep(host, "Satellite: choose one of the satellites of the list.");
    return false;
  }
  satelliteIndex = host.Fields()[satellites.At(static_cast<size_t>(selected), field::kIndex)];
  return true;
}

void AppendRecord(std::vector<std::string>& fields, const SectionSpan& span,
                  const std::vector<std::string>& record) {
  fields.insert(fields.begin() + static_cast<std::ptrdiff_t>(span.end), record.begin(), record.end());
}

std::optional<std::string> AppendTransponder(INewChannelHost& host, const SectionSpan& digital,
                                             const TuningValues& tuning, const std::string& comment) {
  const long next = LargestInField(host.Fields(), digital, field::kIndex).value_or(0) + 1;
  if (next > kMaxTransponderIndex) {
    RefuseAfterUndoStep(host, kListFullMessage);
    return std::nullopt;
  }
  std::string index = std::to_string(next);
  AppendRecord(
      host.Fields(), digital,
      {index, tuning.satelliteIndex, tuning.frequency, tuning.symbolRate, tuning.polarization, comment});
  return index;
}

std::string StoredName(const std::string& typed, const NameCodec& names, const std::string* shownFrom) {
  if (shownFrom != nullptr && names.Decode(*shownFrom) == typed) return *shownFrom;
  std::string problem;
  return names.Encode(typed, problem).value_or(typed);
}

}  // namespace lumoscope
