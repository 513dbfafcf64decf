#include "database/LineScanner.h"

#include <limits>

namespace lumoscope {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int DigitValue(char c, int base) {
  int v;
  if (c >= '0' && c <= '9') {
    v = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    v = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    v = c - 'A' + 10;
  } else {
    return -1;
  }
  return v < base ? v : -1;
}

// strtol-like conversion starting at `pos`: optional sign, for base 16 an optional
// 0x, then at least one digit. The magnitude saturates at the largest 64-bit value.
bool ReadInteger(std::string_view text, size_t& pos, int base, int64_t& value) {
  size_t p = pos;
  bool negative = false;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
    negative = text[p] == '-';
    ++p;
  }
  if (base == 16 && p + 1 < text.size() && text[p] == '0' && (text[p + 1] == 'x' || text[p + 1] == 'X') &&
      p + 2 < text.size() && DigitValue(text[p + 2], 16) >= 0)
    p += 2;
  uint64_t magnitude = 0;
  bool saturated = false;
  const size_t first = p;
  for (int d; p < text.size() && (d = DigitValue(text[p], base)) >= 0; ++p) {
    const auto limit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    if (magnitude > (limit - static_cast<uint64_t>(d)) / static_cast<uint64_t>(base)) saturated = true;
    if (!saturated) magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
  }
  if (p == first) return false;
  if (saturated) magnitude = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  const auto signedValue = static_cast<int64_t>(magnitude);
  value = negative ? -signedValue : signedValue;
  pos = p;
  return true;
}

}  // namespace

ScannedLine ScanLine(std::string_view text, std::string_view format) {
  ScannedLine out;
  size_t pos = 0;
  int field = 0;
  for (size_t f = 0; f < format.size(); ++f) {
    const char fc = format[f];
    if (IsSpace(fc)) {
      while (pos < text.size() && IsSpace(text[pos])) ++pos;
      continue;
    }
    if (fc != '%' || f + 1 >= format.size() || field >= kMaxScanFields) break;
    const char conv = format[++f];
    // Every conversion used here skips leading white space first.
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    if (pos >= text.size()) {
      if (field == 0) out.count = -1;
      return out;
    }
    const auto slot = static_cast<size_t>(field);
    if (conv == 's') {
      const size_t start = pos;
      while (pos < text.size() && !IsSpace(text[pos])) ++pos;
      out.token[slot] = text.substr(start, pos - start);
    } else {
      int64_t v = 0;
      if (!ReadInteger(text, pos, conv == 'x' ? 16 : 10, v)) return out;
      // The C reader stores into an int or unsigned int: keep the low 32 bits.
      if (conv == 'd')
        out.number[slot] = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v)));
      else
        out.number[slot] = static_cast<uint32_t>(static_cast<uint64_t>(v));
    }
    out.count = ++field;
  }
  return out;
}

}  // namespace lumoscope
