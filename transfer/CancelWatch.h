#pragma once
// One transfer's side of the person's way to stop it (ITransferCancel): offered from the
// start of the transfer to its end, and asked often enough to stop within a second
// without asking on every byte.
#include "transfer/SerialLink.h"

namespace lumoscope {

class CancelWatch {
 public:
  // Offers the way to stop (none when `host` is null) until the watch ends.
  CancelWatch(ITransferCancel* host, IClock& clock);
  ~CancelWatch() { End(); }
  CancelWatch(const CancelWatch&) = delete;
  CancelWatch& operator=(const CancelWatch&) = delete;

  // Cheap enough to call for every byte: asks the host at most every kCancelPollUs.
  bool Stopped();
  // Whether the person asked to stop, without asking the host again.
  bool Requested() const { return host_ != nullptr && host_->Requested(); }
  // The transfer let go of the port: the way to stop it is withdrawn.
  void End();

 private:
  ITransferCancel* host_;
  IClock& clock_;
  int64_t lastPollUs_;
  bool ended_ = false;
};

}  // namespace lumoscope
