#pragma once
// The wire trace: every byte to and from the receiver with the time since the previous
// entry, as hex and ASCII. Off unless a host installs a trace in the link factory; a
// technician can send the text when a receiver misbehaves in the field.
#include <functional>
#include <memory>
#include <string>

#include "transfer/SerialLink.h"

namespace lumoscope {

// Formats each block into lines of up to 16 bytes:
//   "+   1.234 ms PC>STB  02 41 43 4b 61 63 6b 03                          |.ACKack.|"
class HexDumpTrace final : public IWireTrace {
 public:
  explicit HexDumpTrace(std::function<void(const std::string&)> sink) : sink_(std::move(sink)) {}
  void Bytes(Direction dir, const uint8_t* data, size_t n, int64_t timeUs) override;

 private:
  std::function<void(const std::string&)> sink_;
  int64_t lastUs_ = -1;
};

// A port that shows its traffic to a trace and passes everything on.
class TracingPort final : public ISerialPort {
 public:
  TracingPort(std::unique_ptr<ISerialPort> inner, IWireTrace& trace, IClock& clock)
      : inner_(std::move(inner)), trace_(&trace), clock_(&clock) {}

  bool SetLine() override { return inner_->SetLine(); }
  void SetTimeouts(const TimeoutProfile& profile, int64_t firstByteBoundUs = kUnboundedUs) override {
    inner_->SetTimeouts(profile, firstByteBoundUs);
  }
  void SetQueues(size_t rxBytes, size_t txBytes) override { inner_->SetQueues(rxBytes, txBytes); }
  void Purge() override { inner_->Purge(); }
  size_t Write(const uint8_t* data, size_t n) override;
  size_t Read(uint8_t* data, size_t n) override;
  void Close() override { inner_->Close(); }

 private:
  std::unique_ptr<ISerialPort> inner_;
  IWireTrace* trace_;
  IClock* clock_;
};

}  // namespace lumoscope
