#pragma once
// Null channels: placeholder records that keep a place in the receiver's channel
// numbering. The name "_" marks them in the list; blank Y makes the receiver skip them.
#include <string>
#include <vector>

namespace lumoscope {

// A CHANNEL record (8 strings) on the transponder and satellite given.
std::vector<std::string> NullChannelRecord(const std::string& index, const std::string& tp,
                                           const std::string& sat, const std::string& type);
// A CHANNEL_PID record (10 strings); the three PIDs are 0 written as "%4d".
std::vector<std::string> NullPidRecord(const std::string& index, const std::string& tp,
                                       const std::string& sat, const std::string& type);
// An ANALOG record (18 strings) on the satellite given.
std::vector<std::string> NullAnalogRecord(const std::string& index, const std::string& sat,
                                          const std::string& type);

}  // namespace lumoscope
