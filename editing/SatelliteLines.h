#pragma once
// The lines of the SATELLITE section as the channel dialogs get them: 7 lines per
// satellite (index, name, blank flag, LNB_LO high, LNB_LO low, position, positioner
// angle in stored form).
#include <cstddef>
#include <string>
#include <vector>

#include "editing/ChannelForms.h"

namespace lumoscope {

size_t SatelliteCount(const std::vector<std::string>& lines);
std::string SatelliteName(const std::vector<std::string>& lines, size_t satellite);

// The dialog's satellite part for one satellite, the Degree in stored form.
SatelliteFields SatelliteFieldsOf(const std::vector<std::string>& lines, size_t satellite);

// Position of the first satellite whose name begins with `name`, ignoring case; 0 when
// none does (the dialog then shows the first satellite).
size_t FindSatelliteByPrefix(const std::vector<std::string>& lines, const std::string& name);

}  // namespace lumoscope
