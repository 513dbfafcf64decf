#pragma once
// The hex image file: one line per 16 image bytes, "%08X " address, then each byte as
// " %02X" with two more blanks before the ninth, and a bare line feed. No record types,
// no checksums: the hex-to-binary conversion reads the addresses and bytes only.
#include <cstdint>
#include <span>
#include <string>

namespace lumoscope {

inline constexpr uint32_t kNormalImageAddress = 0x7FF10000;  // where the receiver loads the normal image
inline constexpr uint32_t kBasicImageAddress = 0x7FF20000;   // and the basic image
inline constexpr int kHexBytesPerLine = 16;
inline constexpr size_t kHexLineChars = 60;  // 8 + 1 + 16 * 3 + 2 + line feed

class HexWriter {
 public:
  explicit HexWriter(uint32_t address) : address_(address) {}

  void Put(uint8_t b);
  void Put(std::span<const uint8_t> bytes);
  // Completes the current line with bytes 00; with `evenLines` the image then ends on a
  // whole number of 32-byte units (an extra line of 00 when the count is odd).
  void Finish(bool evenLines);

  const std::string& Text() const { return text_; }
  std::string& Text() { return text_; }
  int LineCount() const { return lineCount_; }

 private:
  uint32_t address_;
  int linePosition_ = 0;
  int lineCount_ = 0;
  std::string text_;
};

}  // namespace lumoscope
