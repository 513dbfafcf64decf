#include "transfer/PosixLinkFactory.h"

#include "transfer/CComm.h"

namespace lumoscope {

std::unique_ptr<ISerialPort> PosixLinkFactory::Open(const std::string& devicePath, FileFailure& failure) {
  return CComm::Open(devicePath, clock_, failure, cancel_);
}

ISerialLinkFactory& DefaultLinkFactory() {
  static PosixLinkFactory factory;
  return factory;
}

}  // namespace lumoscope
