#include "editing/SectionLocator.h"

namespace lumoscope {

namespace {

constexpr std::array<SectionFormat, kSectionKinds> kLayouts{{
    {"SAT_NAME START", "SAT_NAME END", "[SATELLITE_NAME_LIST]", 2},
    {"SATELLITE START", "SATELLITE END", "[SATELLITE]", 7},
    {"DIGITAL START", "DIGITAL END", "[DIGITAL TP]", 6},
    {"CHANNEL START", "CHANNEL END", "[DIGITAL CHANNEL]", 8},
    {"CHANNEL_PID START", "CHANNEL_PID END", "[DIGITAL PID CHANNEL]", 10},
    {"ANALOG START", "ANALOG END", "[ANALOG TP]", 18},
}};

// The section whose start marker `text` is, or kSectionKinds.
size_t SectionStartingWith(std::string_view text) {
  for (size_t k = 0; k < kSectionKinds; ++k) {
    if (kLayouts[k].startMarker == text) return k;
  }
  return kSectionKinds;
}

}  // namespace

const SectionFormat& LayoutOf(SectionId id) {
  return kLayouts[static_cast<size_t>(id)];
}

SectionLocator::SectionLocator(const std::vector<std::string>& fields) {
  size_t i = 0;
  while (i < fields.size()) {
    const size_t kind = SectionStartingWith(fields[i]);
    if (kind == kSectionKinds) break;  // not a section boundary: the rest is not trusted
    const SectionFormat& layout = kLayouts[kind];
    size_t j = i + 1;
    while (j < fields.size() && fields[j] != layout.endMarker) j += layout.recordLength;
    if (j >= fields.size()) break;  // no end marker at a record boundary
    // A section that appears twice (a text file with a repeated header) counts by its
    // last appearance, the one the text writer saves.
    spans_[kind] = SectionRange{true, i, j, layout.recordLength};
    i = j + 1;
  }
}

}  // namespace lumoscope
