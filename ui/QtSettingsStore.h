#pragma once
// The per-user settings store of the desktop: QSettings under organisation "VXR",
// application "Lumoscope". A section becomes a settings group.
#include <QSettings>

#include "shell/SettingsStore.h"

namespace lumoscope::ui {

class QtSettingsStore final : public ISettingsStore {
 public:
  QtSettingsStore();

  int GetInt(const std::string& section, const std::string& key, int fallback) const override;
  void SetInt(const std::string& section, const std::string& key, int value) override;
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& fallback) const override;
  void SetString(const std::string& section, const std::string& key, const std::string& value) override;

  // Writes pending values to disk now (they are written at exit in any case).
  void Sync() { settings_.sync(); }

 private:
  mutable QSettings settings_;
};

}  // namespace lumoscope::ui
