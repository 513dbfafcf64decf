#pragma once
// The serial devices of this machine that the option dialog offers for each port name.
#include <filesystem>
#include <string>
#include <vector>

namespace lumoscope {

struct SerialDevice {
  std::string path;         // "/dev/ttyUSB0"
  std::string description;  // "usb-FTDI_FT232R_USB_UART_A123-if00-port0"
};

// USB adapters under <devRoot>/serial/by-id (by their stable name), then every
// <devRoot>/ttyUSB*, ttyACM* not already listed, then the first four on-board ports
// ttyS0 to ttyS3. Sorted within each group; each device listed once.
std::vector<SerialDevice> FindSerialDevices(const std::filesystem::path& devRoot = "/dev");

}  // namespace lumoscope
