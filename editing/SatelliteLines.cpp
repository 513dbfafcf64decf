#include "editing/SatelliteLines.h"

#include <cctype>

#include "base/RecordFields.h"
#include "base/Sections.h"

namespace lumoscope {

namespace {

constexpr size_t kSatelliteWidth = RecordWidth(Section::Satellite);

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
  return lines.size() / kSatelliteWidth;
}

std::string SatelliteName(const std::vector<std::string>& lines, size_t satellite) {
  return lines[satellite * kSatelliteWidth + field::kSatName];
}

SatelliteFields SatelliteFieldsOf(const std::vector<std::string>& lines, size_t satellite) {
  const std::string* record = lines.data() + satellite * kSatelliteWidth;
  SatelliteFields f;
  f.name = record[field::kSatName];
  f.lnbHigh = record[field::kSatLnbHigh];
  f.lnbLow = record[field::kSatLnbLow];
  f.position = record[field::kSatPosition];
  f.degree = record[field::kSatDegree];
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
