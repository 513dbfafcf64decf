#include "database/LineScanner.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace lumoscope {
namespace {

// What each byte is to the scanner, looked up rather than worked out for every byte of
// every line: C white space, and the value of a (hexadecimal) digit, -1 for none.
struct ByteClasses {
  std::array<bool, 256> space{};
  std::array<int8_t, 256> digit{};
  constexpr ByteClasses() {
    for (const char c : {' ', '\t', '\n', '\v', '\f', '\r'}) space[static_cast<unsigned char>(c)] = true;
    digit.fill(-1);
    for (int d = 0; d < 10; ++d) digit[static_cast<size_t>('0' + d)] = static_cast<int8_t>(d);
    for (int d = 0; d < 6; ++d) {
      digit[static_cast<size_t>('a' + d)] = static_cast<int8_t>(10 + d);
      digit[static_cast<size_t>('A' + d)] = static_cast<int8_t>(10 + d);
    }
  }
};
constexpr ByteClasses kBytes;

bool IsSpace(char c) {
  return kBytes.space[static_cast<unsigned char>(c)];
}

// A list's fields are short tokens separated by runs of blanks; both are passed eight
// bytes at a time. Little-endian loads put the first byte lowest.
static_assert(std::endian::native == std::endian::little, "the first byte must be the lowest");

uint64_t LoadWord(const char* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// The first byte from `p` on that is no white space. The columns of a list are padded
// with blanks, so runs of them are passed eight at a time.
const char* SkipSpace(const char* p, const char* end) {
  constexpr uint64_t kBlanks = 0x2020202020202020ULL;
  while (end - p >= 8) {
    const uint64_t word = LoadWord(p);
    const uint64_t other = word ^ kBlanks;
    if (other == 0) {
      p += 8;
      continue;
    }
    // The first byte that is no blank, taken from the word rather than read again.
    const int at = std::countr_zero(other) / 8;
    p += at;
    if (!IsSpace(static_cast<char>(word >> (8 * at)))) return p;
    ++p;  // other white space
  }
  while (p < end && IsSpace(*p)) ++p;
  return p;
}

// The first white space byte from `p` on (the end of a token), or `end`. All white space
// lies below 0x21: a word without such a byte is passed whole.
const char* TokenEnd(const char* p, const char* end) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  constexpr uint64_t kTops = 0x8080808080808080ULL;
  constexpr uint64_t kFirstAfterBlank = 0x21;
  for (;;) {
    while (end - p >= 8) {
      const uint64_t word = LoadWord(p);
      // The top bit of each byte below 0x21; the lowest one marked is always right.
      const uint64_t below = (word - kOnes * kFirstAfterBlank) & ~word & kTops;
      if (below != 0) {
        p += std::countr_zero(below) / 8;
        break;
      }
      p += 8;
    }
    if (p >= end || IsSpace(*p)) return p;
    ++p;  // a control byte that is no white space, or a byte of the last few
  }
}

int DigitValue(char c, int base) {
  const int v = kBytes.digit[static_cast<unsigned char>(c)];
  return v < base ? v : -1;
}

// strtol-like conversion at `p`: optional sign, for base 16 an optional 0x, then at
// least one digit. The magnitude saturates at the largest 64-bit value. Moves `p` past
// the number; false (and `p` where it was) when there is no digit.
bool ReadInteger(const char*& p, const char* end, int base, int64_t& value) {
  const char* q = p;
  bool negative = false;
  if (q < end && (*q == '+' || *q == '-')) negative = *q++ == '-';
  if (base == 16 && end - q > 2 && q[0] == '0' && (q[1] == 'x' || q[1] == 'X') && DigitValue(q[2], 16) >= 0)
    q += 2;
  // Up to 15 digits of either base fit without a check; beyond, each digit is checked:
  // past `most` / base (or at it, with a digit above the remainder) the value would go
  // beyond the largest one, and stays at it while the remaining digits are passed.
  constexpr std::ptrdiff_t kDigitsThatFit = 15;
  constexpr auto kMost = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  const auto b = static_cast<uint64_t>(base);
  const char* const digits = q;
  uint64_t magnitude = 0;
  int digit = 0;
  for (; q < end && q - digits < kDigitsThatFit && (digit = DigitValue(*q, base)) >= 0; ++q)
    magnitude = magnitude * b + static_cast<uint64_t>(digit);
  if (q == digits) return false;
  for (; q < end && (digit = DigitValue(*q, base)) >= 0; ++q) {
    const auto d = static_cast<uint64_t>(digit);
    magnitude = magnitude > (kMost - d) / b ? kMost : magnitude * b + d;
  }
  const auto signedValue = static_cast<int64_t>(magnitude);
  value = negative ? -signedValue : signedValue;
  p = q;
  return true;
}

}  // namespace

ScannedLine ScanLine(std::string_view text, std::string_view format) {
  ScannedLine out;
  const char* p = text.data();
  const char* const end = p + text.size();
  int field = 0;
  for (size_t f = 0; f < format.size(); ++f) {
    // A blank of the format skips white space, as every conversion does first anyway.
    if (IsSpace(format[f])) continue;
    if (format[f] != '%' || f + 1 >= format.size() || field >= kMaxScanFields) break;
    const char conv = format[++f];
    p = SkipSpace(p, end);
    if (p >= end) {
      if (field == 0) out.count = -1;
      return out;
    }
    ScannedLine::Field& slot = out.fields_[static_cast<size_t>(field)];
    slot = {0, nullptr, 0};
    if (conv == 's') {
      const char* const start = p;
      p = TokenEnd(p, end);
      slot.token = start;
      slot.size = static_cast<size_t>(p - start);
    } else {
      int64_t v = 0;
      if (!ReadInteger(p, end, conv == 'x' ? 16 : 10, v)) return out;
      // The C reader stores into an int or unsigned int: keep the low 32 bits.
      if (conv == 'd')
        slot.number = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v)));
      else
        slot.number = static_cast<uint32_t>(static_cast<uint64_t>(v));
    }
    out.count = ++field;
  }
  return out;
}

}  // namespace lumoscope
