#include "editing/ScanTableCatalog.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>

#include "base/Reporter.h"
#include "editing/OrbitalPosition.h"

namespace lumoscope {

namespace {

namespace fs = std::filesystem;

constexpr const char* kNoSuchTable = "There is no scan table named \"%s\" in %s.";

// The first word of a satellite or table name, lower case ("astra" of "Astra-1KR-19.2E").
std::string FirstWord(std::string_view name) {
  const size_t start = name.find_first_not_of(" -_");
  if (start == std::string_view::npos) return {};
  const size_t end = name.find_first_of(" -_", start);
  std::string word(name.substr(start, end == std::string_view::npos ? end : end - start));
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return word;
}

}  // namespace

std::vector<std::string> ListScanTables(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec)) names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::optional<std::string> FindScanTable(const std::string& nameOrPath, const std::string& folder,
                                         std::string& error) {
  std::error_code ec;
  if (nameOrPath.find('/') != std::string::npos || fs::exists(nameOrPath, ec)) return nameOrPath;
  const fs::path installed = fs::path(folder) / nameOrPath;
  if (fs::exists(installed, ec)) return installed.string();
  error = ListScanTables(folder).empty() ? kScanTablesMissingMessage
                                         : Format(kNoSuchTable, nameOrPath.c_str(), folder.c_str());
  return std::nullopt;
}

std::optional<size_t> TableForSatellite(const std::vector<std::string>& names,
                                        const std::string& satelliteName, const std::string& degree) {
  const std::optional<int> position = SatellitePosition(satelliteName, degree);
  const std::string word = FirstWord(satelliteName);
  std::optional<size_t> best;
  int bestScore = 0;
  for (size_t i = 0; i < names.size(); ++i) {
    const bool samePosition = position && PositionAtEndOfName(names[i]) == position;
    const bool sameWord = !word.empty() && FirstWord(names[i]) == word;
    if (position ? !samePosition : !sameWord) continue;
    const int score = sameWord ? 2 : 1;
    if (!best || score > bestScore || (score == bestScore && names[i].size() < names[*best].size())) {
      best = i;
      bestScore = score;
    }
  }
  return best;
}

}  // namespace lumoscope
