#pragma once
// The lists opened last, newest first, kept in the settings store so that the window
// offers them again at its next start.
#include <string>
#include <vector>

#include "shell/SettingsStore.h"

namespace lumoscope {

class RecentLists {
 public:
  // Lists kept at most; the oldest goes when another one comes.
  static constexpr size_t kCount = 8;

  explicit RecentLists(ISettingsStore& store) : store_(store) {}

  std::vector<std::string> Paths() const;
  // `path` becomes the newest (once only, also when it was there already).
  void Add(const std::string& path);
  void Remove(const std::string& path);
  // Takes off the lists whose file is no longer there, and names them.
  std::vector<std::string> DropMissing();

 private:
  void Store(const std::vector<std::string>& paths);

  ISettingsStore& store_;
};

}  // namespace lumoscope
