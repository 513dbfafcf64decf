#pragma once
// What the "Setting Option" dialog holds while it is open, and what OK does with it.
// The dialog itself only shows this state and forwards the person's choices.
#include <array>
#include <optional>
#include <string>

#include "base/Options.h"
#include "shell/ListColours.h"
#include "shell/SettingsStore.h"

namespace lumoscope {

class OptionDialogState {
 public:
  // Presets the choices from the running options and the colours from the store (blue
  // on silver when none were saved).
  OptionDialogState(const AppOptions& options, const ISettingsStore& store);

  bool fortySatellites = false;
  int portNumber = 1;  // 1 to 4
  std::array<std::string, kPortCount> devicePaths;
  Colour textColour = kDefaultTextColour;
  Colour backgroundColour = kDefaultBackgroundColour;
  bool coloursTouched = false;
  size_t undoSteps = kDefaultUndoSteps;  // 1 to kMaxUndoSteps
  NameEncoding nameEncoding = kDefaultNameEncoding;

  // The colour buttons: `chosen` is empty when the colour chooser was cancelled. Pressing
  // either counts as touching the colours all the same.
  void ChooseTextColour(std::optional<Colour> chosen);
  void ChooseBackgroundColour(std::optional<Colour> chosen);
  void LoadDefaultColours();

  struct Result {
    bool coloursChanged = false;  // the list must take textColour/backgroundColour
    Colour textColour = kBlack;
    Colour backgroundColour = kWhite;
  };
  // OK: saves colours when touched, the port number, the device paths, the undo steps and
  // the name encoding, and puts the choices into the running options.
  Result Accept(AppOptions& options, ISettingsStore& store) const;
};

}  // namespace lumoscope
