#include "base/Sections.h"

namespace lumoscope {

std::optional<Section> SectionOfHeader(std::string_view line) {
  // Tried in code order; "[SATELLITE_NAME_LIST]" cannot pass for "[SATELLITE]" since
  // the "]" has to follow the name directly.
  for (const SectionFormat& format : kSectionFormats)
    if (line.starts_with(format.header)) return format.section;
  return std::nullopt;
}

bool IsEndHeader(std::string_view line) {
  return line.starts_with(kEndHeader);
}

bool IsSectionMarker(std::string_view text) {
  for (const SectionFormat& format : kSectionFormats)
    if (text == format.startMarker || text == format.endMarker) return true;
  return false;
}

}  // namespace lumoscope
