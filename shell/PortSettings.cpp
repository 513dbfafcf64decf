#include "shell/PortSettings.h"

#include "shell/SettingsKeys.h"

namespace lumoscope {

int LoadPortNumber(const ISettingsStore& store) {
  const int n = store.GetInt(settings::kPortSection, settings::kPortKey, settings::kPortDefault);
  return n >= 1 && n <= kPortCount ? n : settings::kPortDefault;
}

void SavePortNumber(ISettingsStore& store, int portNumber) {
  store.SetInt(settings::kPortSection, settings::kPortKey, portNumber);
}

void LoadPortOptions(const ISettingsStore& store, AppOptions& options) {
  options.portNumber = LoadPortNumber(store);
  const AppOptions defaults;
  for (int i = 0; i < kPortCount; ++i) {
    std::string path =
        store.GetString(settings::kDeviceSection, settings::kDeviceKeys[i], defaults.devicePaths[i]);
    options.devicePaths[i] = path.empty() ? defaults.devicePaths[i] : path;
  }
}

void SaveDevicePaths(ISettingsStore& store, const AppOptions& options) {
  for (int i = 0; i < kPortCount; ++i)
    store.SetString(settings::kDeviceSection, settings::kDeviceKeys[i], options.devicePaths[i]);
}

}  // namespace lumoscope
