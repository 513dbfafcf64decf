#pragma once
// The editing options kept between runs: how many undo steps the list keeps, and the name
// encoding of the receiver's names. Read when the window starts, written when the option
// dialog closes with OK.
#include "base/Options.h"
#include "shell/SettingsStore.h"

namespace lumoscope {

// A stored value out of range, or an encoding not offered, reads as the default.
void LoadEditingOptions(const ISettingsStore& store, AppOptions& options);
void SaveEditingOptions(ISettingsStore& store, const AppOptions& options);

}  // namespace lumoscope
