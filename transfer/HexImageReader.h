#pragma once
// Reads the hex image text line by line. A line is an 8-digit load address followed by
// data bytes of two hexadecimal digits each; blanks may stand in front of the address
// and of every byte, and a line ends after its line feed. A byte 0xFF ends the input (an
// erased flash area copied into the file); everything after it is ignored.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace lumoscope {

class IReporter;

// The converter's line buffer: 512 bytes, line feed included.
inline constexpr size_t kHexMaxLineBytes = 512;
// The record of one line holds at most 128 data bytes.
inline constexpr size_t kHexMaxDataBytes = 128;
// The load address is always written with 8 hexadecimal digits.
inline constexpr size_t kHexAddressDigits = 8;

inline constexpr const char* kHexUnknownCharMessage = "DNCONV: Unknown character on buffer:0x%02x\n";

struct HexRecord {
  uint32_t address = 0;
  std::vector<uint8_t> data;
};

class HexImageReader {
 public:
  enum class Status { Record, End, Error };

  // `reporter` hears of every bad digit (the conversion goes on with the digit's low
  // four bits) and of every refused line.
  HexImageReader(std::string_view text, IReporter& reporter);

  // The next line's record; blank lines are skipped. Error after a refused line (the
  // person has been told which line and why).
  Status Next(HexRecord& record);

  // Number of the line read last, counting every line from 1.
  int LineNumber() const { return lineNumber_; }

 private:
  bool ParseLine(std::string_view line, HexRecord& record, bool& blank);
  uint8_t Digit(char c);

  std::string_view text_;
  size_t pos_ = 0;
  int lineNumber_ = 0;
  IReporter& reporter_;
};

}  // namespace lumoscope
