#pragma once
// The options the core reads while it works: the frame's 40 satellites switch, the
// serial port choice, the number of undo steps and the name encoding. The desktop keeps
// one instance in its main frame; the command line fills one from its arguments.
#include <array>
#include <cstddef>
#include <string>

#include "base/NameText.h"

namespace lumoscope {

inline constexpr int kMaxSatellitesSmall = 32;
inline constexpr int kMaxSatellitesLarge = 40;
inline constexpr int kPortCount = 4;  // "COM1" to "COM4"
inline constexpr size_t kDefaultUndoSteps = 5;
inline constexpr size_t kMaxUndoSteps = 100;

struct AppOptions {
  // 1 when "Max Satellite Number" is 40, 0 when 32. Not persisted.
  bool fortySatellites = false;
  // 1 to 4 for "COM1" to "COM4".
  int portNumber = 1;
  // The device behind each of "COM1" to "COM4" on this machine.
  std::array<std::string, kPortCount> devicePaths{"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"};
  // How many steps Undo can take back, 1 to kMaxUndoSteps.
  size_t undoSteps = kDefaultUndoSteps;
  // The character set of the receiver's names (see base/NameText.h).
  NameEncoding nameEncoding = kDefaultNameEncoding;

  int MaxSatellites() const { return fortySatellites ? kMaxSatellitesLarge : kMaxSatellitesSmall; }
};

}  // namespace lumoscope
