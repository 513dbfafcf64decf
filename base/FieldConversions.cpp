#include "base/FieldConversions.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace lumoscope {

namespace {

constexpr size_t kMaxTrimLength = 255;
constexpr int kDegreeWrapStored = 365;   // stored -> display wraps at 365 degrees
constexpr int kDegreeWrapDisplay = 360;  // display -> stored wraps at 360 degrees

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

void UpperInPlace(std::string& s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// Decimal value of the leading digits (no sign), saturating instead of overflowing.
long LeadingDigits(const std::string& s, size_t from, size_t to) {
  long v = 0;
  for (size_t i = from; i < to && i < s.size() && IsDigit(s[i]); ++i) {
    if (v < 100000000L) v = v * 10 + (s[i] - '0');
  }
  return v;
}

}  // namespace

bool TrimSpaces(std::string& text) {
  if (text.size() > kMaxTrimLength) return false;
  const size_t last = text.find_last_not_of(' ');
  if (last == std::string::npos) {
    text.clear();
    return true;
  }
  text.erase(last + 1);
  text.erase(0, text.find_first_not_of(' '));
  return true;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string TrimmedUpper(const std::string& text) {
  std::string s = Trimmed(text);
  UpperInPlace(s);
  return s;
}

TrimmedUpperCase::TrimmedUpperCase() {
  for (size_t c = 0; c < upper_.size(); ++c) upper_[c] = static_cast<char>(std::toupper(static_cast<int>(c)));
}

std::string TrimmedUpperCase::operator()(const std::string& text) const {
  std::string s = Trimmed(text);
  for (char& c : s) c = upper_[static_cast<unsigned char>(c)];
  return s;
}

std::optional<std::string> DegreeToDisplay(std::string& value, bool toDisplay) {
  TrimSpaces(value);
  if (!toDisplay) UpperInPlace(value);
  if (value.empty()) return std::nullopt;
  bool east = true;
  size_t start = 0;
  const char first = value[0];
  if (first == '+' || (!toDisplay && first == 'E')) {
    start = 1;
  } else if (first == '-' || (!toDisplay && first == 'W')) {
    east = false;
    start = 1;
  } else if (!IsDigit(first)) {
    return std::nullopt;
  }

  char buf[32];
  if (toDisplay) {
    const long v = LeadingDigits(value, start, value.size());
    const int whole = static_cast<int>((v / 10) % kDegreeWrapStored);
    const int tenths = static_cast<int>(v % 10);
    std::snprintf(buf, sizeof buf, "%c%03d.%01d", east ? 'E' : 'W', whole, tenths);
  } else {
    const size_t dot = value.find('.', start);
    const size_t wholeEnd = dot == std::string::npos ? value.size() : dot;
    const int whole = static_cast<int>(LeadingDigits(value, start, wholeEnd) % kDegreeWrapDisplay);
    int tenths = 0;
    if (dot != std::string::npos && dot + 1 < value.size() && IsDigit(value[dot + 1]))
      tenths = value[dot + 1] - '0';
    if (east || (whole == 0 && tenths == 0))
      std::snprintf(buf, sizeof buf, "%03d%01d", whole, tenths);
    else
      std::snprintf(buf, sizeof buf, "-%03d%01d", whole, tenths);
  }
  return std::string(buf);
}

std::optional<long> HexToInt(const std::string& text) {
  long value = 0;
  long place = 1;
  for (size_t i = text.size(); i-- > 0;) {
    const char c = text[i];
    int digit;
    if (IsDigit(c))
      digit = c - '0';
    else if (c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return std::nullopt;
    value += digit * place;
    if (place < (1L << 40)) place *= 16;  // long texts only ever add leading zeros here
  }
  return value;
}

std::optional<long> ParseNumber(std::string& text, int base) {
  UpperInPlace(text);
  if (base == 16) return HexToInt(text);
  if (base != 10) return 0;
  return DecimalValue(text);
}

long DecimalValue(const std::string& text) {
  // Plain digits, what nearly every field holds, are read here: that many cannot overflow.
  constexpr size_t kDigitsThatFit = 18;
  if (!text.empty() && text.size() <= kDigitsThatFit && std::all_of(text.begin(), text.end(), IsDigit)) {
    long v = 0;
    for (const char c : text) v = v * 10 + (c - '0');
    return v;
  }
  errno = 0;
  const long v = std::strtol(text.c_str(), nullptr, 10);
  return errno == ERANGE ? 0 : v;
}

}  // namespace lumoscope
