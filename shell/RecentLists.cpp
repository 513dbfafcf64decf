#include "shell/RecentLists.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <system_error>

#include "shell/SettingsKeys.h"

namespace lumoscope {

static_assert(std::size(settings::kRecentListKeys) == RecentLists::kCount);

std::vector<std::string> RecentLists::Paths() const {
  std::vector<std::string> paths;
  for (const char* key : settings::kRecentListKeys) {
    std::string path = store_.GetString(settings::kRecentListsSection, key, "");
    if (!path.empty() && std::find(paths.begin(), paths.end(), path) == paths.end())
      paths.push_back(std::move(path));
  }
  return paths;
}

void RecentLists::Store(const std::vector<std::string>& paths) {
  for (size_t i = 0; i < kCount; ++i)
    store_.SetString(settings::kRecentListsSection, settings::kRecentListKeys[i],
                     i < paths.size() ? paths[i] : std::string());
}

void RecentLists::Add(const std::string& path) {
  std::vector<std::string> paths = Paths();
  std::erase(paths, path);
  paths.insert(paths.begin(), path);
  if (paths.size() > kCount) paths.resize(kCount);
  Store(paths);
}

void RecentLists::Remove(const std::string& path) {
  std::vector<std::string> paths = Paths();
  if (std::erase(paths, path) > 0) Store(paths);
}

std::vector<std::string> RecentLists::DropMissing() {
  std::vector<std::string> kept;
  std::vector<std::string> missing;
  for (std::string& path : Paths()) {
    std::error_code ec;
    (std::filesystem::exists(path, ec) ? kept : missing).push_back(std::move(path));
  }
  if (!missing.empty()) Store(kept);
  return missing;
}

}  // namespace lumoscope
