#include "shell/OptionDialogState.h"

#include <algorithm>

#include "shell/EditingSettings.h"
#include "shell/PortSettings.h"
#include "shell/SettingsKeys.h"

namespace lumoscope {

OptionDialogState::OptionDialogState(const AppOptions& options, const ISettingsStore& store)
    : fortySatellites(options.fortySatellites),
      portNumber(options.portNumber),
      devicePaths(options.devicePaths),
      textColour(ReadTextColour(store)),
      backgroundColour(ReadBackgroundColour(store)),
      undoSteps(options.undoSteps),
      nameEncoding(options.nameEncoding) {
  if (portNumber < 1 || portNumber > kPortCount) portNumber = settings::kPortDefault;
}

void OptionDialogState::ChooseTextColour(std::optional<Colour> chosen) {
  if (chosen) textColour = *chosen;
  coloursTouched = true;
}

void OptionDialogState::ChooseBackgroundColour(std::optional<Colour> chosen) {
  if (chosen) backgroundColour = *chosen;
  coloursTouched = true;
}

void OptionDialogState::LoadDefaultColours() {
  textColour = kDefaultTextColour;
  backgroundColour = kDefaultBackgroundColour;
  coloursTouched = true;
}

OptionDialogState::Result OptionDialogState::Accept(AppOptions& options, ISettingsStore& store) const {
  Result result;
  if (coloursTouched) {
    SaveColours(store, settings::kSavedFontSize, settings::kSavedFontName, textColour, backgroundColour);
    result = {true, textColour, backgroundColour};
  }
  options.fortySatellites = fortySatellites;
  options.portNumber = portNumber;
  options.devicePaths = devicePaths;
  options.undoSteps = std::clamp<size_t>(undoSteps, 1, kMaxUndoSteps);
  options.nameEncoding = nameEncoding;
  SavePortNumber(store, portNumber);
  SaveDevicePaths(store, options);
  SaveEditingOptions(store, options);
  return result;
}

}  // namespace lumoscope
