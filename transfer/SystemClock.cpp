#include "transfer/SystemClock.h"

#include <chrono>
#include <thread>

namespace lumoscope {

int64_t SystemClock::NowUs() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void SystemClock::SleepUs(int64_t us) {
  if (us > 0) std::this_thread::sleep_for(std::chrono::microseconds(us));
}

}  // namespace lumoscope
