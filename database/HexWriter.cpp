#include "database/HexWriter.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace lumoscope {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// A blank and both digits of every byte, as the first three bytes of a word: a whole
// line writes each byte of the image with one store (the fourth byte is written over by
// what follows it).
struct HexTriples {
  std::array<uint32_t, 256> word{};
  constexpr HexTriples() {
    static_assert(std::endian::native == std::endian::little, "the blank must be the lowest byte");
    for (size_t b = 0; b < word.size(); ++b)
      word[b] = uint32_t{' '} | uint32_t{static_cast<uint8_t>(kHexDigits[b >> 4])} << 8 |
                uint32_t{static_cast<uint8_t>(kHexDigits[b & 0x0F])} << 16;
  }
};
constexpr HexTriples kHexTriples;

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
      std::memcpy(p, &kHexTriples.word[bytes[i + static_cast<size_t>(k)]], sizeof(uint32_t));
      p += 3;
    }
    *p++ = '\n';  // over the last word's fourth byte
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
