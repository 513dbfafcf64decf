#pragma once
// The link factory of the running program: real terminal devices on the system clock.
#include "transfer/SerialLink.h"
#include "transfer/SystemClock.h"

namespace lumoscope {

class PosixLinkFactory : public ISerialLinkFactory {
 public:
  PosixLinkFactory() = default;
  explicit PosixLinkFactory(LinkBounds bounds) : bounds_(bounds) {}

  std::unique_ptr<ISerialPort> Open(const std::string& devicePath, FileFailure& failure) override;
  IClock& Clock() override { return clock_; }
  LinkBounds Bounds() const override { return bounds_; }
  IWireTrace* Trace() override { return trace_; }
  ITransferCancel* Cancel() override { return cancel_; }

  void SetTrace(IWireTrace* trace) { trace_ = trace; }
  void SetCancel(ITransferCancel* cancel) { cancel_ = cancel; }

 private:
  SystemClock clock_;
  LinkBounds bounds_;
  IWireTrace* trace_ = nullptr;
  ITransferCancel* cancel_ = nullptr;
};

// The factory used when a CListDB names none.
ISerialLinkFactory& DefaultLinkFactory();

}  // namespace lumoscope
