#pragma once
// The time-out profiles turned into waits on a device. Kept apart from the POSIX port so
// the exact semantics can be checked with a fake device and a fake clock.
#include <cstddef>
#include <cstdint>

#include "transfer/SerialLink.h"

namespace lumoscope {

// One wait on the device. waitUs < 0 means no limit.
class IDeviceIo {
 public:
  virtual ~IDeviceIo() = default;
  // Up to n bytes as soon as any are there: the count (0 when the wait ran out), or -1
  // when the device failed or hung up (a later wait would fail at once as well).
  virtual long WaitRead(uint8_t* data, size_t n, int64_t waitUs) = 0;
  // As many of n bytes as the device takes before the wait runs out; -1 on failure.
  virtual long WaitWrite(const uint8_t* data, size_t n, int64_t waitUs) = 0;
};

// With a `cancel`, every wait is cut into slices of at most kCancelPollUs, and a slice
// that brought nothing asks cancel->Poll(); once the person asked to stop, the read or
// write ends with what it has.
size_t ReadUnderProfile(IDeviceIo& io, IClock& clock, const TimeoutProfile& profile, int64_t firstByteBoundUs,
                        uint8_t* data, size_t n, ITransferCancel* cancel = nullptr);

size_t WriteUnderProfile(IDeviceIo& io, IClock& clock, const TimeoutProfile& profile, const uint8_t* data,
                         size_t n, ITransferCancel* cancel = nullptr);

}  // namespace lumoscope
