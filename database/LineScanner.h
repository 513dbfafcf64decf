#pragma once
// Reads the fields of a record line with the conversions of C's sscanf: a format of %d
// (signed decimal), %u (unsigned decimal), %x (hexadecimal, optional 0x), %s (one
// token) and blanks (any run of white space, also none). The lists in use were written
// for readers that work this way, so a number followed by letters, a hexadecimal field
// with or without 0x and the like read as they always have. The count of values read
// stops at the first field that cannot be read, so a short or malformed line is
// recognised by its count.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lumoscope {

inline constexpr int kMaxScanFields = 18;  // the analog TP line has the most fields

struct ScannedLine {
  // Number of values read; -1 when the input ended before the first conversion (as
  // scanf's EOF).
  int count = 0;

  // Numeric fields, already converted to the C type of their conversion: %d as int,
  // %u and %x as unsigned int. A field not read, or read as a token, is 0.
  int Int(int i) const { return static_cast<int>(Number(i)); }
  uint32_t Unsigned(int i) const { return static_cast<uint32_t>(Number(i)); }
  // Token fields (%s), pointing into the scanned text; empty for a field not read, or
  // read as a number.
  std::string_view Token(int i) const {
    return i < count ? std::string_view(fields_[Slot(i)].token, fields_[Slot(i)].size) : std::string_view();
  }

 private:
  friend ScannedLine ScanLine(std::string_view text, std::string_view format);
  static size_t Slot(int i) { return static_cast<size_t>(i); }
  int64_t Number(int i) const { return i < count ? fields_[Slot(i)].number : 0; }

  // Only the first `count` fields are written: a line is scanned some ten thousand
  // times per compile, and clearing the rest each time would cost more than reading it.
  struct Field {
    int64_t number;     // %u and %x kept in 64 bits
    const char* token;  // with `size`: the token
    size_t size;
  };
  std::array<Field, kMaxScanFields> fields_;
};

// Scans `text` with `format`. Conversions beyond kMaxScanFields are not supported.
ScannedLine ScanLine(std::string_view text, std::string_view format);

}  // namespace lumoscope
