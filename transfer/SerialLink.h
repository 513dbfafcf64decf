#pragma once
// The serial link as the transfers see it: a port with blocking reads under a time-out
// profile, writes, purge and release, and the clock those time-outs are measured on.
// The real port lives in CComm; tests substitute a fake port or a fake clock.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "base/FileFailure.h"

namespace lumoscope {

// Time source of the link, in microseconds. Injected so that time-outs can be tested
// without waiting for them.
class IClock {
 public:
  virtual ~IClock() = default;
  virtual int64_t NowUs() = 0;
  virtual void SleepUs(int64_t us) = 0;
  void SleepMs(int64_t ms) { SleepUs(ms * 1000); }
};

// Read and write time-outs in milliseconds, with the receiver link's meaning:
// - a read of n bytes ends when n bytes arrived; or, once the first byte arrived, when
//   more than readIntervalMs pass between two bytes (0: no interval limit); or when
//   readPerByteMs * n + readConstantMs passed since the call (both 0: no total limit,
//   the read waits for its first byte as long as the port's first-byte bound allows);
// - a write of n bytes may take writePerByteMs * n + writeConstantMs (both 0: no limit).
struct TimeoutProfile {
  int readIntervalMs;
  int readPerByteMs;
  int readConstantMs;
  int writePerByteMs;
  int writeConstantMs;
};

// Everyday exchanges: waits for the first byte, then returns when the line is idle 10 ms.
inline constexpr TimeoutProfile kStandardProfile{10, 0, 0, 10, 10};
// Waiting for the receiver's ready message: 600 ms per byte plus 300 ms (5.1 s for 8 bytes).
inline constexpr TimeoutProfile kConnectProfile{600, 600, 300, 10, 10};
// Is anybody there: a read returns after about 1 ms with what is already waiting.
inline constexpr TimeoutProfile kProbeProfile{0, 0, 1, 0, 0};

// Transmit and receive queue sizes the upload asks for, in bytes.
inline constexpr size_t kUploadRxQueueBytes = 102400;
inline constexpr size_t kUploadTxQueueBytes = 4096;
inline constexpr size_t kReleaseRxQueueBytes = 64000;
inline constexpr size_t kReleaseTxQueueBytes = 4096;

// No bound on the wait for a first byte.
inline constexpr int64_t kUnboundedUs = 0;

class ISerialPort {
 public:
  virtual ~ISerialPort() = default;
  // 115200 baud, 8N1, raw, no flow control. False when the device refuses them.
  virtual bool SetLine() = 0;
  // Applies a profile. firstByteBoundUs (when not kUnboundedUs) caps the wait for the
  // first byte of every read, also where the profile sets no total limit.
  virtual void SetTimeouts(const TimeoutProfile& profile, int64_t firstByteBoundUs = kUnboundedUs) = 0;
  virtual void SetQueues(size_t rxBytes, size_t txBytes) = 0;
  // Drops whatever waits in both directions.
  virtual void Purge() = 0;
  // Returns the count written within the profile's write limit.
  virtual size_t Write(const uint8_t* data, size_t n) = 0;
  // Returns the count received under the current profile; fewer than n is not an error.
  virtual size_t Read(uint8_t* data, size_t n) = 0;
  // Releases the device; also done by the destructor.
  virtual void Close() = 0;
};

// Bounds on waits the receiver protocol itself leaves open, so a silent receiver can
// never hold the program.
struct LinkBounds {
  // A download read gives up after this long without a byte.
  int64_t downloadReadUs = 10'000'000;
  // One read of the upload's reception gives up after this long without a byte.
  int64_t uploadEmptyReadUs = 1'000'000;
  // A download gives up on a receiver that has said nothing for this long, whatever it
  // is waiting for: the retries of one step add up (three unanswered disconnect
  // messages and thirty reads for the verdict would otherwise take 330 s), while a
  // receiver that answers at all answers well within a few read bounds.
  int64_t downloadSilenceUs = 35'000'000;
};

// The person's way to stop a transfer under way. The transfers run on the thread of the
// window and hold it; while one waits on the link it asks Poll() at least every
// kCancelPollUs, and the host may let its window handle its events there, so that a
// Cancel button and the Esc key are seen.
class ITransferCancel {
 public:
  virtual ~ITransferCancel() = default;
  // A transfer starts: the host offers its way to stop it, and nothing is requested yet.
  virtual void Begin() = 0;
  // The transfer has let go of the port.
  virtual void End() = 0;
  // Lets the host handle what is pending; true once the person asked to stop.
  virtual bool Poll() = 0;
  // Whether the person asked to stop, without handling anything.
  virtual bool Requested() const = 0;
};

// The longest a wait on the link goes without asking whether to stop: a tenth of the
// second within which a cancelled transfer must have let go of the port, halved.
inline constexpr int64_t kCancelPollUs = 50'000;

// Sees every byte that crosses the link (for a wire trace in the field).
class IWireTrace {
 public:
  enum class Direction { ToReceiver, FromReceiver };
  virtual ~IWireTrace() = default;
  virtual void Bytes(Direction dir, const uint8_t* data, size_t n, int64_t timeUs) = 0;
};

// Opens the device behind a port. The transfers take the device path from the options
// ("COM1" to "COM4" map to AppOptions::devicePaths).
class ISerialLinkFactory {
 public:
  virtual ~ISerialLinkFactory() = default;
  // Null when the device is missing, may not be opened, is not a terminal or is held by
  // another program; `failure` then says which, and what to do about it.
  virtual std::unique_ptr<ISerialPort> Open(const std::string& devicePath, FileFailure& failure) = 0;
  virtual IClock& Clock() = 0;
  virtual LinkBounds Bounds() const { return {}; }
  // Null: no trace.
  virtual IWireTrace* Trace() { return nullptr; }
  // The ports it opens ask this between the slices of their waits; null: a transfer runs
  // to its end.
  virtual ITransferCancel* Cancel() { return nullptr; }
};

}  // namespace lumoscope
