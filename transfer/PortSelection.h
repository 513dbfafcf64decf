#pragma once
// Taking the receiver's port for a transfer: the port number chosen in the options
// names "COM1" to "COM4", each backed by a device path of this machine.
#include <memory>
#include <optional>
#include <string>

#include "base/Options.h"
#include "base/Reporter.h"
#include "transfer/SerialLink.h"

namespace lumoscope {

inline constexpr const char* kIllegalPortMessage =
    "Selected Com Port is illegal!!!, Select again at Option Menu";
inline constexpr const char* kPortOpenFailedMessage = "Serial Port Open FAILED!!!";
inline constexpr const char* kSerialInitFailedMessage = "Serial Initialize failed";

// "COM1" to "COM4" for port numbers 1 to 4; nothing for any other number.
std::optional<std::string> PortName(int portNumber);

// The device behind a port number; nothing for an illegal number.
std::optional<std::string> PortDevicePath(const AppOptions& options);

// Opens the port chosen in the options, wrapped in the factory's wire trace if it has
// one. On an illegal port number or a device that cannot be opened the person is told
// (for the device, with the reason on a second line) and null comes back (no device was
// touched for an illegal number).
std::unique_ptr<ISerialPort> OpenReceiverPort(ISerialLinkFactory& factory, const AppOptions& options,
                                              IReporter& reporter);

// Sets the line; a refusal is told and the transfer goes on with the previous settings.
void SetLineOrWarn(ISerialPort& port, IReporter& reporter);

}  // namespace lumoscope
