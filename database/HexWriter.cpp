#include "database/HexWriter.h"

#include <array>

namespace lumoscope {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Both digits of every byte, to copy rather than work out byte by byte.
struct HexPairs {
  std::array<std::array<char, 2>, 256> pair{};
  constexpr HexPairs() {
    for (size_t b = 0; b < pair.size(); ++b) pair[b] = {kHexDigits[b >> 4], kHexDigits[b & 0x0F]};
  }
};
constexpr HexPairs kHexPairs;

void AppendByte(std::string& out, uint8_t b) {
  out.push_back(kHexDigits[b >> 4]);
  out.push_back(kHexDigits[b & 0x0F]);
}

}  // namespace

void HexWriter::Put(uint8_t b) {
  if (linePosition_ == 0) {
    if (text_.capacity() - text_.size() < kHexLineChars) text_.reserve(text_.size() * 2 + kHexLineChars * 64);
    for (int shift = 28; shift >= 0; shift -= 4) text_.push_back(kHexDigits[(address_ >> shift) & 0x0F]);
    text_ += "  ";
  } else if (linePosition_ == kHexBytesPerLine / 2) {
    text_ += "   ";
  } else {
    text_ += ' ';
  }
  AppendByte(text_, b);
  ++address_;
  if (linePosition_ == kHexBytesPerLine - 1) {
    ++lineCount_;
    linePosition_ = 0;
    text_ += '\n';
  } else {
    ++linePosition_;
  }
}

void HexWriter::Put(std::span<const uint8_t> bytes) {
  size_t i = 0;
  while (i < bytes.size() && linePosition_ != 0) Put(bytes[i++]);
  // Whole lines at once, written straight into the text: the same text as byte by byte,
  // without the per-byte checks.
  const size_t lines = (bytes.size() - i) / kHexBytesPerLine;
  size_t at = text_.size();
  text_.resize(at + lines * kHexLineChars);
  for (size_t n = 0; n < lines; ++n, i += kHexBytesPerLine) {
    char* const line = text_.data() + at;
    char* p = line;
    for (int shift = 28; shift >= 0; shift -= 4) *p++ = kHexDigits[(address_ >> shift) & 0x0F];
    *p++ = ' ';
    for (int k = 0; k < kHexBytesPerLine; ++k) {
      if (k == kHexBytesPerLine / 2) *p++ = ' ', *p++ = ' ';
      const std::array<char, 2>& digits = kHexPairs.pair[bytes[i + static_cast<size_t>(k)]];
      *p++ = ' ';
      *p++ = digits[0];
      *p++ = digits[1];
    }
    *p++ = '\n';
    at += static_cast<size_t>(p - line);
    address_ += kHexBytesPerLine;
    ++lineCount_;
  }
  text_.resize(at);
  for (; i < bytes.size(); ++i) Put(bytes[i]);
}

void HexWriter::Finish(bool evenLines) {
  while (linePosition_ != 0) Put(0);
  if (evenLines && lineCount_ % 2 != 0)
    for (int i = 0; i < kHexBytesPerLine; ++i) Put(0);
}

}  // namespace lumoscope
