#include "shell/EditingSettings.h"

#include <string>

#include "shell/SettingsKeys.h"

namespace lumoscope {

void LoadEditingOptions(const ISettingsStore& store, AppOptions& options) {
  const int steps =
      store.GetInt(settings::kListSection, settings::kUndoStepsKey, static_cast<int>(kDefaultUndoSteps));
  options.undoSteps =
      steps >= 1 && steps <= static_cast<int>(kMaxUndoSteps) ? static_cast<size_t>(steps) : kDefaultUndoSteps;
  const std::string encoding = store.GetString(settings::kListSection, settings::kNameEncodingKey,
                                               std::string(NameEncodingName(kDefaultNameEncoding)));
  options.nameEncoding = FindNameEncoding(encoding).value_or(kDefaultNameEncoding);
}

void SaveEditingOptions(ISettingsStore& store, const AppOptions& options) {
  store.SetInt(settings::kListSection, settings::kUndoStepsKey, static_cast<int>(options.undoSteps));
  store.SetString(settings::kListSection, settings::kNameEncodingKey,
                  std::string(NameEncodingName(options.nameEncoding)));
}

}  // namespace lumoscope
