#include "transfer/ProfileIo.h"

#include <algorithm>

namespace lumoscope {
namespace {

constexpr int64_t kUsPerMs = 1000;
constexpr int64_t kNoDeadline = -1;

// The earlier of two deadlines, either of which may be absent.
int64_t Earlier(int64_t a, int64_t b) {
  if (a == kNoDeadline) return b;
  if (b == kNoDeadline) return a;
  return std::min(a, b);
}

// The wait of one slice: the whole wait without a cancel, else at most kCancelPollUs.
int64_t Slice(int64_t waitUs, const ITransferCancel* cancel) {
  if (cancel == nullptr) return waitUs;
  return waitUs < 0 ? kCancelPollUs : std::min(waitUs, kCancelPollUs);
}

}  // namespace

size_t ReadUnderProfile(IDeviceIo& io, IClock& clock, const TimeoutProfile& profile, int64_t firstByteBoundUs,
                        uint8_t* data, size_t n, ITransferCancel* cancel) {
  const int64_t start = clock.NowUs();
  const int64_t totalMs =
      static_cast<int64_t>(profile.readPerByteMs) * static_cast<int64_t>(n) + profile.readConstantMs;
  const int64_t totalDeadline = totalMs > 0 ? start + totalMs * kUsPerMs : kNoDeadline;
  const int64_t firstByteDeadline = firstByteBoundUs > 0 ? start + firstByteBoundUs : kNoDeadline;
  const int64_t intervalUs = static_cast<int64_t>(profile.readIntervalMs) * kUsPerMs;

  size_t got = 0;
  int64_t lastByteAt = start;
  while (got < n) {
    int64_t deadline = totalDeadline;
    if (got == 0) {
      deadline = Earlier(deadline, firstByteDeadline);
    } else if (intervalUs > 0) {
      deadline = Earlier(deadline, lastByteAt + intervalUs);
    }
    int64_t waitUs = -1;
    if (deadline != kNoDeadline) {
      waitUs = deadline - clock.NowUs();
      if (waitUs <= 0) break;
    }
    const long r = io.WaitRead(data + got, n - got, Slice(waitUs, cancel));
    if (r < 0) break;
    if (r > 0) {
      got += static_cast<size_t>(r);
      lastByteAt = clock.NowUs();
    } else if (cancel != nullptr && cancel->Poll()) {
      break;
    }
  }
  return got;
}

size_t WriteUnderProfile(IDeviceIo& io, IClock& clock, const TimeoutProfile& profile, const uint8_t* data,
                         size_t n, ITransferCancel* cancel) {
  // Most writes go at once; the clock is only looked at when the device makes us wait.
  const long first = io.WaitWrite(data, n, 0);
  if (first < 0) return 0;
  size_t done = static_cast<size_t>(first);
  if (done == n) return done;
  const int64_t limitMs =
      static_cast<int64_t>(profile.writePerByteMs) * static_cast<int64_t>(n) + profile.writeConstantMs;
  const int64_t deadline = limitMs > 0 ? clock.NowUs() + limitMs * kUsPerMs : kNoDeadline;
  while (done < n) {
    int64_t waitUs = -1;
    if (deadline != kNoDeadline) {
      waitUs = deadline - clock.NowUs();
      if (waitUs <= 0) break;
    }
    const long w = io.WaitWrite(data + done, n - done, Slice(waitUs, cancel));
    if (w < 0) break;
    done += static_cast<size_t>(w);
    if (w == 0 && cancel != nullptr && cancel->Poll()) break;
  }
  return done;
}

}  // namespace lumoscope
