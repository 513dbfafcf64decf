#pragma once
// The per-user settings store: integer and string values in named sections, each read
// with a default. The desktop backs it with QSettings; tests and the command line keep
// the values in memory.
#include <map>
#include <string>
#include <utility>

namespace lumoscope {

class ISettingsStore {
 public:
  virtual ~ISettingsStore() = default;
  virtual int GetInt(const std::string& section, const std::string& key, int fallback) const = 0;
  virtual void SetInt(const std::string& section, const std::string& key, int value) = 0;
  virtual std::string GetString(const std::string& section, const std::string& key,
                                const std::string& fallback) const = 0;
  virtual void SetString(const std::string& section, const std::string& key, const std::string& value) = 0;
};

class MemorySettingsStore final : public ISettingsStore {
 public:
  int GetInt(const std::string& section, const std::string& key, int fallback) const override {
    auto it = ints_.find({section, key});
    return it == ints_.end() ? fallback : it->second;
  }
  void SetInt(const std::string& section, const std::string& key, int value) override {
    ints_[{section, key}] = value;
  }
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& fallback) const override {
    auto it = strings_.find({section, key});
    return it == strings_.end() ? fallback : it->second;
  }
  void SetString(const std::string& section, const std::string& key, const std::string& value) override {
    strings_[{section, key}] = value;
  }

 private:
  std::map<std::pair<std::string, std::string>, int> ints_;
  std::map<std::pair<std::string, std::string>, std::string> strings_;
};

}  // namespace lumoscope
