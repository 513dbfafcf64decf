#pragma once
// The options the core reads while it works: the frame's 40 satellites switch and the
// serial port choice. The desktop keeps one instance in its main frame; the command
// line fills one from its arguments.
#include <array>
#include <string>

namespace lumoscope {

inline constexpr int kMaxSatellitesSmall = 32;
inline constexpr int kMaxSatellitesLarge = 40;
inline constexpr int kPortCount = 4;  // "COM1" to "COM4"

struct AppOptions {
  // 1 when "Max Satellite Number" is 40, 0 when 32. Not persisted.
  bool fortySatellites = false;
  // 1 to 4 for "COM1" to "COM4".
  int portNumber = 1;
  // The device behind each of "COM1" to "COM4" on this machine.
  std::array<std::string, kPortCount> devicePaths{"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"};

  int MaxSatellites() const { return fortySatellites ? kMaxSatellitesLarge : kMaxSatellitesSmall; }
};

}  // namespace lumoscope
