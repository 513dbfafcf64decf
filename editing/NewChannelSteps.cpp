#include "editing/NewChannelSteps.h"

#include "base/RecordFields.h"
#include "base/Reporter.h"

namespace lumoscope {

bool SectionsUsable(const SectionLocator& sections, std::initializer_list<Section> needed,
                    IReporter& reporter) {
  for (Section section : needed) {
    if (!sections[section].Found()) {
      const std::string header(FormatOf(section).header);
      reporter.MessageBox(
          Format("A new channel cannot be made: the %s section of the channel list is missing or damaged.",
                 header.c_str()));
      return false;
    }
  }
  if (sections[Section::Satellite].Records() == 0) {
    reporter.MessageBox(
        "A new channel cannot be made: the channel list has no satellite. Add a satellite to the [SATELLITE] "
        "section first.");
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

}  // namespace lumoscope
