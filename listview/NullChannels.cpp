#include "listview/NullChannels.h"

namespace lumoscope {

namespace {
constexpr const char* kNullName = "_";
constexpr const char* kNullPid = "   0";  // 0 as "%4d"
}  // namespace

std::vector<std::string> NullChannelRecord(const std::string& index, const std::string& tp,
                                           const std::string& sat, const std::string& type) {
  return {index, tp, sat, "0000", type, kNullName, "1", "Y"};
}

std::vector<std::string> NullPidRecord(const std::string& index, const std::string& tp,
                                       const std::string& sat, const std::string& type) {
  return {index, tp, sat, type, kNullName, kNullPid, kNullPid, kNullPid, "1", "Y"};
}

std::vector<std::string> NullAnalogRecord(const std::string& index, const std::string& sat,
                                          const std::string& type) {
  return {index,  sat,      "0000", "C",    "_",   "27MHz", "H",   "1",  "5",
          "CVBS", "STEREO", "0000", "0000", "130", "Y",     "U50", type, "Y"};
}

}  // namespace lumoscope
