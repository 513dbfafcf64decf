#include "transfer/CancelWatch.h"

namespace lumoscope {

CancelWatch::CancelWatch(ITransferCancel* host, IClock& clock)
    : host_(host), clock_(clock), lastPollUs_(clock.NowUs()) {
  if (host_ != nullptr) host_->Begin();
}

bool CancelWatch::Stopped() {
  if (host_ == nullptr) return false;
  if (host_->Requested()) return true;
  const int64_t now = clock_.NowUs();
  if (now - lastPollUs_ < kCancelPollUs) return false;
  lastPollUs_ = now;
  return host_->Poll();
}

void CancelWatch::End() {
  if (ended_) return;
  ended_ = true;
  if (host_ != nullptr) host_->End();
}

}  // namespace lumoscope
