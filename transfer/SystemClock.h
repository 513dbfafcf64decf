#pragma once
// The machine's monotonic clock.
#include "transfer/SerialLink.h"

namespace lumoscope {

class SystemClock final : public IClock {
 public:
  int64_t NowUs() override;
  void SleepUs(int64_t us) override;
};

}  // namespace lumoscope
