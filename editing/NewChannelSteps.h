#pragma once
// Steps shared by the digital and the analog new-channel procedures.
#include <initializer_list>
#include <string>
#include <vector>

#include "base/SectionLocator.h"
#include "editing/ChannelForms.h"
#include "editing/NewChannelHost.h"

namespace lumoscope {

// Refuses the command (before any undo step) when one of the sections is missing or
// the list has no satellite; the person is told which.
bool SectionsUsable(const SectionLocator& sections, std::initializer_list<Section> needed,
                    IReporter& reporter);

// The SATELLITE section's lines, 7 per satellite, as the dialogs get them.
std::vector<std::string> SatelliteSectionLines(const std::vector<std::string>& fields,
                                               const SectionSpan& satellites);

// Tells the person why, and takes back the undo step just recorded: nothing changed.
void RefuseAfterUndoStep(INewChannelHost& host, const std::string& message);

// Line 0 of the satellite picked in the dialog; false (with the refusal done) when the
// dialog returned a position outside the list.
bool SelectedSatelliteIndex(INewChannelHost& host, const SectionSpan& satellites, int selected,
                            std::string& satelliteIndex);

// Inserts a record directly before the section's end marker: it becomes the last one.
void AppendRecord(std::vector<std::string>& fields, const SectionSpan& span,
                  const std::vector<std::string>& record);

}  // namespace lumoscope
