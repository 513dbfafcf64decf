#include "editing/SatelliteLines.h"

#include <cctype>

namespace lumoscope {

namespace {

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
  if (prefix.size() > text.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) !=
        std::toupper(static_cast<unsigned char>(prefix[i])))
      return false;
  }
  return true;
}

}  // namespace

size_t SatelliteCount(const std::vector<std::string>& lines) {
  return lines.size() / kSatelliteRecordLines;
}

std::string SatelliteName(const std::vector<std::string>& lines, size_t satellite) {
  return lines[satellite * kSatelliteRecordLines + kSatelliteNameLine];
}

SatelliteFields SatelliteFieldsOf(const std::vector<std::string>& lines, size_t satellite) {
  const size_t first = satellite * kSatelliteRecordLines;
  SatelliteFields f;
  f.name = lines[first + kSatelliteNameLine];
  f.lnbHigh = lines[first + kSatelliteLnbHighLine];
  f.lnbLow = lines[first + kSatelliteLnbLowLine];
  f.position = lines[first + kSatellitePositionLine];
  f.degree = lines[first + kSatelliteDegreeLine];
  f.selected = static_cast<int>(satellite);
  return f;
}

size_t FindSatelliteByPrefix(const std::vector<std::string>& lines, const std::string& name) {
  for (size_t s = 0; s < SatelliteCount(lines); ++s) {
    if (StartsWithIgnoringCase(SatelliteName(lines, s), name)) return s;
  }
  return 0;
}

}  // namespace lumoscope
