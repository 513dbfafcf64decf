#pragma once
// The commands write their file filters as "description|pattern|description|pattern|"
// (an empty pair ends the list). This turns them into the entries a file dialog shows.
#include <string>
#include <string_view>
#include <vector>

namespace lumoscope {

struct FileFilterEntry {
  std::string description;  // "Hex file(*.HEX)"
  std::string pattern;      // "*.hex"
};

std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter);

}  // namespace lumoscope
