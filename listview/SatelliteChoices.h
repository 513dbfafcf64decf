#pragma once
// The list's satellites as a window offers them for a choice, and the one the person
// pointed at: the selected row of the satellites' section view, or the satellite of the
// selected channel in the channel views.
#include <optional>
#include <string>
#include <vector>

#include "listview/ListControl.h"
#include "listview/ListView.h"

namespace lumoscope {

struct SatelliteChoice {
  std::string index;   // the Index field, as the list holds it
  std::string name;    // as the list holds it (8-bit)
  std::string degree;  // stored form
};

std::vector<SatelliteChoice> SatelliteChoices(const std::vector<std::string>& fields);

// The Index field of the satellite of the first selected row, or nothing when the
// display shows no satellites or channels, or no row is selected.
std::optional<std::string> SelectedSatelliteIndex(CLumoscopeListView& view, const IListControl& control);

}  // namespace lumoscope
