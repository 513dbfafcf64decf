#include "editing/NewChannelSteps.h"

#include "base/Reporter.h"
#include "editing/SatelliteLines.h"

namespace lumoscope {

bool SectionsUsable(const SectionLocator& sections, std::initializer_list<SectionId> needed,
                    IReporter& reporter) {
  for (SectionId id : needed) {
    if (!sections[id].found) {
      const std::string header(LayoutOf(id).header);
      reporter.MessageBox(
          Format("A new channel cannot be made: the %s section of the channel list is missing or damaged.",
                 header.c_str()));
      return false;
    }
  }
  if (sections[SectionId::Satellite].RecordCount() == 0) {
    reporter.MessageBox(
        "A new channel cannot be made: the channel list has no satellite. Add a satellite to the [SATELLITE] "
        "section first.");
    return false;
  }
  return true;
}

std::vector<std::string> SatelliteSectionLines(const std::vector<std::string>& fields,
                                               const SectionRange& satellites) {
  const auto first = fields.begin() + static_cast<std::ptrdiff_t>(satellites.start + 1);
  const auto last = fields.begin() + static_cast<std::ptrdiff_t>(satellites.end);
  return {first, last};
}

void RefuseAfterUndoStep(INewChannelHost& host, const std::string& message) {
  host.Reporter().MessageBox(message);
  host.DropUndo();
}

bool SelectedSatelliteIndex(INewChannelHost& host, const SectionRange& satellites, int selected,
                            std::string& satelliteIndex) {
  if (selected < 0 || static_cast<size_t>(selected) >= satellites.RecordCount()) {
    RefuseAfterUndoStep(host, "Satellite: choose one of the satellites of the list.");
    return false;
  }
  satelliteIndex = host.Fields()[satellites.Line(static_cast<size_t>(selected), kSatelliteIndexLine)];
  return true;
}

void AppendRecord(std::vector<std::string>& fields, const SectionRange& span,
                  const std::vector<std::string>& record) {
  fields.insert(fields.begin() + static_cast<std::ptrdiff_t>(span.end), record.begin(), record.end());
}

}  // namespace lumoscope
