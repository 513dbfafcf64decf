#pragma once
// A serial line on a fake clock: bytes arrive at scripted times, waits advance the clock
// instead of sleeping, and everything written is kept. The port uses the same profile
// logic as the real one, so time-outs can be checked in microseconds.
#include <cerrno>
#include <deque>
#include <string>
#include <vector>

#include "transfer/ProfileIo.h"
#include "transfer/SerialLink.h"

namespace lumoscope::test {

class FakeClock final : public IClock {
 public:
  int64_t NowUs() override { return now; }
  void SleepUs(int64_t us) override { now += us > 0 ? us : 0; }
  int64_t now = 0;
};

class FakeDevice final : public IDeviceIo {
 public:
  explicit FakeDevice(FakeClock& clock) : clock_(clock) {}

  // `bytes` arrive at `atUs` (absolute fake time).
  void Arrive(int64_t atUs, const std::string& bytes) { arrivals_.push_back({atUs, bytes}); }

  long WaitRead(uint8_t* data, size_t n, int64_t waitUs) override {
    if (arrivals_.empty()) {
      if (waitUs < 0) return -1;  // would wait for ever: report a dead line instead
      clock_.now += waitUs;
      return 0;
    }
    Arrival& next = arrivals_.front();
    if (next.atUs > clock_.now) {
      if (waitUs >= 0 && clock_.now + waitUs < next.atUs) {
        clock_.now += waitUs;
        return 0;
      }
      clock_.now = next.atUs;
    }
    const size_t k = std::min(n, next.bytes.size());
    next.bytes.copy(reinterpret_cast<char*>(data), k);
    next.bytes.erase(0, k);
    if (next.bytes.empty()) arrivals_.pop_front();
    return static_cast<long>(k);
  }

  long WaitWrite(const uint8_t* data, size_t n, int64_t waitUs) override {
    if (writeStalled) {
      if (waitUs < 0) return -1;
      clock_.now += waitUs;
      return 0;
    }
    written.append(reinterpret_cast<const char*>(data), n);
    return static_cast<long>(n);
  }

  std::string written;
  bool writeStalled = false;

 private:
  struct Arrival {
    int64_t atUs;
    std::string bytes;
  };
  FakeClock& clock_;
  std::deque<Arrival> arrivals_;
};

// The person asks to stop a transfer once the fake clock reaches `atUs`.
class CancelAt final : public ITransferCancel {
 public:
  CancelAt(FakeClock& clock, int64_t atUs) : clock_(clock), atUs_(atUs) {}
  void Begin() override { ++begun; }
  void End() override { ++ended; }
  bool Poll() override {
    ++polls;
    if (clock_.now >= atUs_) requested_ = true;
    return requested_;
  }
  bool Requested() const override { return requested_; }

  int begun = 0;
  int ended = 0;
  int polls = 0;

 private:
  FakeClock& clock_;
  int64_t atUs_;
  bool requested_ = false;
};

class FakePort final : public ISerialPort {
 public:
  FakePort(FakeDevice& device, FakeClock& clock, ITransferCancel* cancel = nullptr)
      : device_(device), clock_(clock), cancel_(cancel) {}
  bool SetLine() override { return lineAccepted; }
  void SetTimeouts(const TimeoutProfile& p, int64_t bound) override {
    profile_ = p;
    bound_ = bound;
  }
  void SetQueues(size_t, size_t) override {}
  void Purge() override {}
  size_t Write(const uint8_t* d, size_t n) override {
    return WriteUnderProfile(device_, clock_, profile_, d, n, cancel_);
  }
  size_t Read(uint8_t* d, size_t n) override {
    return ReadUnderProfile(device_, clock_, profile_, bound_, d, n, cancel_);
  }
  void Close() override {}
  bool lineAccepted = true;

 private:
  FakeDevice& device_;
  FakeClock& clock_;
  ITransferCancel* cancel_;
  TimeoutProfile profile_ = kStandardProfile;
  int64_t bound_ = kUnboundedUs;
};

class FakeLinkFactory final : public ISerialLinkFactory {
 public:
  std::unique_ptr<ISerialPort> Open(const std::string& path, FileFailure& failure) override {
    openedPaths.push_back(path);
    if (refuseOpen) {
      failure = FailureFromErrno(path, EBUSY);
      return nullptr;
    }
    auto port = std::make_unique<FakePort>(device, clock, cancel);
    port->lineAccepted = lineAccepted;
    return port;
  }
  IClock& Clock() override { return clock; }
  LinkBounds Bounds() const override { return bounds; }
  ITransferCancel* Cancel() override { return cancel; }

  FakeClock clock;
  FakeDevice device{clock};
  LinkBounds bounds;
  ITransferCancel* cancel = nullptr;
  bool refuseOpen = false;
  bool lineAccepted = true;
  std::vector<std::string> openedPaths;
};

}  // namespace lumoscope::test
