#pragma once
// Steps shared by the digital and the analog new-channel procedures.
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "base/SectionLocator.h"
#include "editing/ChannelForms.h"
#include "editing/NewChannelHost.h"
#include "editing/TransponderSearch.h"

namespace lumoscope {

// Refuses the command (before any undo step) when one of the sections is missing or
// the list has no satellite; the person is told which, after `refusal` ("A new channel
// cannot be made").
bool SectionsUsable(const SectionLocator& sections, std::initializer_list<Section> needed,
                    IReporter& reporter, const char* refusal = "A new channel cannot be made");

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

// Adds a digital transponder with these tuning values and comment (as stored) behind the
// others, its index one above the largest; that index, or nothing (with the refusal done)
// when the list has no index left.
std::optional<std::string> AppendTransponder(INewChannelHost& host, const SectionSpan& digital,
                                             const TuningValues& tuning, const std::string& comment);

// The stored bytes of a form's name that passed its checks. A name shown as decoded from
// `shownFrom` and left as it was keeps those bytes (a byte the encoding leaves undefined
// survives an edit of the record's other fields).
std::string StoredName(const std::string& typed, const NameCodec& names,
                       const std::string* shownFrom = nullptr);

}  // namespace lumoscope
