#pragma once
// Reads the fields of a record line with the conversions of C's sscanf: a format of %d
// (signed decimal), %u (unsigned decimal), %x (hexadecimal, optional 0x), %s (one
// token) and blanks (any run of white space, also none). The lists in use were written
// for readers that work this way, so a number followed by letters, a hexadecimal field
// with or without 0x and the like read as they always have. The count of values read
// stops at the first field that cannot be read, so a short or malformed line is
// recognised by its count.
#include <array>
#include <cstdint>
#include <string_view>

namespace lumoscope {

inline constexpr int kMaxScanFields = 18;  // the analog TP line has the most fields

struct ScannedLine {
  // Number of values read; -1 when the input ended before the first conversion (as
  // scanf's EOF).
  int count = 0;
  // Numeric fields, already converted to the C type of their conversion: %d as int,
  // %u and %x as unsigned int (kept here in 64 bits).
  std::array<int64_t, kMaxScanFields> number{};
  // Token fields (%s), pointing into the scanned text.
  std::array<std::string_view, kMaxScanFields> token{};

  int Int(int i) const { return static_cast<int>(number[static_cast<size_t>(i)]); }
  uint32_t Unsigned(int i) const { return static_cast<uint32_t>(number[static_cast<size_t>(i)]); }
  std::string_view Token(int i) const { return token[static_cast<size_t>(i)]; }
};

// Scans `text` with `format`. Conversions beyond kMaxScanFields are not supported.
ScannedLine ScanLine(std::string_view text, std::string_view format);

}  // namespace lumoscope
