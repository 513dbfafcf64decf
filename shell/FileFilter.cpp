#include "shell/FileFilter.h"

namespace lumoscope {

std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start <= filter.size()) {
    size_t bar = filter.find('|', start);
    if (bar == std::string_view::npos) {
      parts.push_back(filter.substr(start));
      break;
    }
    parts.push_back(filter.substr(start, bar - start));
    start = bar + 1;
  }
  std::vector<FileFilterEntry> entries;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].empty()) break;  // "||" ends the list
    entries.push_back({std::string(parts[i]), std::string(parts[i + 1])});
  }
  return entries;
}

}  // namespace lumoscope
