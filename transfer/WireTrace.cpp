#include "transfer/WireTrace.h"

#include <algorithm>

#include "base/Reporter.h"

namespace lumoscope {
namespace {

constexpr size_t kBytesPerLine = 16;
constexpr double kUsPerMs = 1000.0;

}  // namespace

void HexDumpTrace::Bytes(Direction dir, const uint8_t* data, size_t n, int64_t timeUs) {
  if (n == 0) return;
  const double deltaMs = lastUs_ < 0 ? 0.0 : static_cast<double>(timeUs - lastUs_) / kUsPerMs;
  lastUs_ = timeUs;
  const char* arrow = dir == Direction::ToReceiver ? "PC>STB" : "STB>PC";
  for (size_t off = 0; off < n; off += kBytesPerLine) {
    const size_t len = std::min(kBytesPerLine, n - off);
    std::string hex;
    std::string ascii;
    for (size_t i = 0; i < len; ++i) {
      const uint8_t b = data[off + i];
      hex += Format(" %02x", b);
      ascii += (b >= 0x20 && b < 0x7F) ? static_cast<char>(b) : '.';
    }
    hex.resize(kBytesPerLine * 3, ' ');
    sink_(Format("+%9.3f ms %s %s  |%s|\n", off == 0 ? deltaMs : 0.0, arrow, hex.c_str(), ascii.c_str()));
  }
}

size_t TracingPort::Write(const uint8_t* data, size_t n) {
  const size_t w = inner_->Write(data, n);
  trace_->Bytes(IWireTrace::Direction::ToReceiver, data, w, clock_->NowUs());
  return w;
}

size_t TracingPort::Read(uint8_t* data, size_t n) {
  const size_t r = inner_->Read(data, n);
  trace_->Bytes(IWireTrace::Direction::FromReceiver, data, r, clock_->NowUs());
  return r;
}

}  // namespace lumoscope
