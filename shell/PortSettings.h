#pragma once
// The serial port choice kept between runs: the port number and, on this machine, the
// device path behind each of "COM1" to "COM4".
#include "base/Options.h"
#include "shell/SettingsStore.h"

namespace lumoscope {

// The stored port number; values outside 1 to 4 read as the default, port 1.
int LoadPortNumber(const ISettingsStore& store);
void SavePortNumber(ISettingsStore& store, int portNumber);

// Fills options.portNumber and options.devicePaths from the store. The 40 satellites
// switch is not kept between runs and is left as it is.
void LoadPortOptions(const ISettingsStore& store, AppOptions& options);
void SaveDevicePaths(ISettingsStore& store, const AppOptions& options);

}  // namespace lumoscope
