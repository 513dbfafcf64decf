#pragma once
// CComm: the serial port of the PC on a POSIX terminal device. Opened exclusively,
// raw 8N1 at 115200 baud without flow control; reads and writes follow the time-out
// profile set last, measured on the injected clock. The device is released by Close()
// or by the destructor, whichever comes first.
#include <memory>
#include <string>

#include "base/FileFailure.h"
#include "transfer/ProfileIo.h"
#include "transfer/SerialLink.h"

namespace lumoscope {

class CComm final : public ISerialPort, private IDeviceIo {
 public:
  // Opens `devicePath`; null when it is missing, may not be opened, is not a terminal
  // or is held by another program (another CComm, or anyone holding its lock), with
  // `failure` saying which. With a `cancel`, waits ask it between their slices.
  static std::unique_ptr<CComm> Open(const std::string& devicePath, IClock& clock, FileFailure& failure,
                                     ITransferCancel* cancel = nullptr);

  ~CComm() override;
  CComm(const CComm&) = delete;
  CComm& operator=(const CComm&) = delete;

  bool SetLine() override;
  void SetTimeouts(const TimeoutProfile& profile, int64_t firstByteBoundUs = kUnboundedUs) override;
  // The terminal layer sizes its queues itself; nothing to do here, and nothing lost:
  // the kernel's buffers exceed every size the transfers ask for.
  void SetQueues(size_t /*rxBytes*/, size_t /*txBytes*/) override {}
  void Purge() override;
  size_t Write(const uint8_t* data, size_t n) override;
  size_t Read(uint8_t* data, size_t n) override;
  void Close() override;

 private:
  CComm(int fd, IClock& clock, ITransferCancel* cancel) : fd_(fd), clock_(&clock), cancel_(cancel) {}

  long WaitRead(uint8_t* data, size_t n, int64_t waitUs) override;
  long WaitWrite(const uint8_t* data, size_t n, int64_t waitUs) override;

  int fd_;
  IClock* clock_;
  ITransferCancel* cancel_;
  TimeoutProfile profile_ = kStandardProfile;
  int64_t firstByteBoundUs_ = kUnboundedUs;
};

}  // namespace lumoscope
