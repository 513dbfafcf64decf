#pragma once
// The text of a channel list as the program writes it: the sections in a fixed order,
// each under a commented caption block, one record per line in aligned columns, the
// name of each record in double quotes, lines ended by CR LF.
#include <string>
#include <vector>

namespace lumoscope {

std::string FormatSectionList(const std::vector<std::string>& list);

}  // namespace lumoscope
