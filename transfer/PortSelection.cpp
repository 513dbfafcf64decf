#include "transfer/PortSelection.h"

#include "transfer/WireTrace.h"

namespace lumoscope {

std::optional<std::string> PortName(int portNumber) {
  if (portNumber < 1 || portNumber > kPortCount) return std::nullopt;
  return "COM" + std::to_string(portNumber);
}

std::optional<std::string> PortDevicePath(const AppOptions& options) {
  if (!PortName(options.portNumber)) return std::nullopt;
  return options.devicePaths[static_cast<size_t>(options.portNumber - 1)];
}

std::unique_ptr<ISerialPort> OpenReceiverPort(ISerialLinkFactory& factory, const AppOptions& options,
                                              IReporter& reporter) {
  const std::optional<std::string> device = PortDevicePath(options);
  if (!device) {
    reporter.MessageBox(kIllegalPortMessage);
    return nullptr;
  }
  FileFailure failure{*device, "The device cannot be opened."};
  std::unique_ptr<ISerialPort> port = factory.Open(*device, failure);
  if (!port) {
    // The defined message, and on a line of its own the device and why.
    reporter.MessageBox(WithFailure(kPortOpenFailedMessage, failure));
    return nullptr;
  }
  if (IWireTrace* trace = factory.Trace()) {
    return std::make_unique<TracingPort>(std::move(port), *trace, factory.Clock());
  }
  return port;
}

void SetLineOrWarn(ISerialPort& port, IReporter& reporter) {
  if (!port.SetLine()) reporter.MessageBox(kSerialInitFailedMessage);
}

}  // namespace lumoscope
