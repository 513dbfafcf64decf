#pragma once
// The bounds on silent waits of the transfers in the tests that talk to the receiver
// simulator over a pseudo-terminal: short, so a test whose receiver falls silent ends
// quickly, but wall-clock time all the same, and the simulator runs on a thread of its
// own. On a loaded two-core machine that thread can be kept off the processor for some
// hundreds of milliseconds, which a tighter bound would take for a silent receiver.
#include <cstdint>

#include "transfer/SerialLink.h"

namespace lumoscope::test {

// A download read gives up after half a second without a byte.
inline constexpr int64_t kTestDownloadReadBoundUs = 500'000;
// The upload ends after six empty reads of this length: 1.8 s of silence, several times
// the longest stall seen on a busy machine, while the tests of a receiver that really
// falls silent still end within seconds.
inline constexpr int64_t kTestUploadEmptyReadUs = 300'000;

inline constexpr LinkBounds kTestLinkBounds{kTestDownloadReadBoundUs, kTestUploadEmptyReadUs};

}  // namespace lumoscope::test
