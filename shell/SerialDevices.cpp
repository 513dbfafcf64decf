#include "shell/SerialDevices.h"

#include <algorithm>
#include <set>
#include <system_error>

namespace lumoscope {
namespace {

namespace fs = std::filesystem;

// Only the conventional on-board ports: the kernel creates many more ttyS nodes than a
// PC has sockets, and listing them all would bury the real choices.
constexpr int kOnBoardPortsOffered = 4;

std::vector<fs::path> Entries(const fs::path& folder) {
  std::vector<fs::path> out;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    out.push_back(it->path());
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace

std::vector<SerialDevice> FindSerialDevices(const fs::path& devRoot) {
  std::vector<SerialDevice> devices;
  std::set<std::string> listed;

  for (const fs::path& link : Entries(devRoot / "serial" / "by-id")) {
    std::error_code ec;
    fs::path target = fs::canonical(link, ec);
    std::string path = ec ? link.string() : target.string();
    if (listed.insert(path).second) devices.push_back({path, link.filename().string()});
  }

  for (const fs::path& entry : Entries(devRoot)) {
    const std::string name = entry.filename().string();
    const bool usb = name.starts_with("ttyUSB");
    const bool acm = name.starts_with("ttyACM");
    if (!usb && !acm) continue;
    if (listed.insert(entry.string()).second)
      devices.push_back({entry.string(), usb ? "USB serial adapter" : "USB modem-class serial device"});
  }

  for (int i = 0; i < kOnBoardPortsOffered; ++i) {
    fs::path entry = devRoot / ("ttyS" + std::to_string(i));
    std::error_code ec;
    if (fs::exists(entry, ec) && listed.insert(entry.string()).second)
      devices.push_back({entry.string(), "On-board serial port " + std::to_string(i + 1)});
  }
  return devices;
}

}  // namespace lumoscope
