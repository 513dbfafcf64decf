#include "editing/OrbitalPosition.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "editing/FieldValues.h"

namespace lumoscope {

namespace {

constexpr int kMaxTenths = 1800;  // 180 degrees either way

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<int> ParseOrbitalPosition(std::string_view text) {
  if (text.size() < 2) return std::nullopt;
  const char side = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
  if (side != 'E' && side != 'W') return std::nullopt;
  const std::string_view number = text.substr(0, text.size() - 1);
  const size_t dot = number.find('.');
  const std::string_view whole = number.substr(0, dot);
  const std::string_view tenth = dot == std::string_view::npos ? std::string_view() : number.substr(dot + 1);
  if (whole.empty() || whole.size() > 3 || tenth.size() > 1 ||
      (dot != std::string_view::npos && tenth.empty()))
    return std::nullopt;
  int tenths = 0;
  for (char c : whole) {
    if (!IsDigit(c)) return std::nullopt;
    tenths = tenths * 10 + (c - '0');
  }
  tenths *= 10;
  if (!tenth.empty()) {
    if (!IsDigit(tenth[0])) return std::nullopt;
    tenths += tenth[0] - '0';
  }
  if (tenths > kMaxTenths) return std::nullopt;
  return side == 'E' ? tenths : -tenths;
}

std::string OrbitalPositionText(int tenths) {
  char buf[16];
  const int magnitude = std::abs(tenths);
  std::snprintf(buf, sizeof buf, "%d.%d%c", magnitude / 10, magnitude % 10, tenths < 0 ? 'W' : 'E');
  return buf;
}

std::optional<int> PositionAtEndOfName(std::string_view name) {
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  const size_t cut = name.find_last_of(" -_");
  return ParseOrbitalPosition(cut == std::string_view::npos ? name : name.substr(cut + 1));
}

std::optional<int> SatellitePosition(const std::string& name, const std::string& degree) {
  const long stored = LeadingInteger(degree);
  if (stored != 0 && std::abs(stored) <= kMaxTenths) return static_cast<int>(stored);
  return PositionAtEndOfName(name);
}

}  // namespace lumoscope
