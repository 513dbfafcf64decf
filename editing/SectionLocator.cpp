#include "editing/SectionLocator.h"

namespace lumoscope {

namespace {

// The working list's sections in the order of SectionId, from the loader's table.
const SectionLayout& FormatOf(size_t kind) {
  static constexpr int kSectionNumbers[kSectionKinds] = {kSectionSatName,    kSectionSatellite,
                                                         kSectionDigitalTp,  kSectionChannel,
                                                         kSectionPidChannel, kSectionAnalogTp};
  return Layout(kSectionNumbers[kind]);
}

// The section whose start marker `text` is, or kSectionKinds.
size_t SectionStartingWith(std::string_view text) {
  for (size_t k = 0; k < kSectionKinds; ++k) {
    if (FormatOf(k).startMarker == text) return k;
  }
  return kSectionKinds;
}

}  // namespace

const SectionLayout& LayoutOf(SectionId id) {
  return FormatOf(static_cast<size_t>(id));
}

SectionLocator::SectionLocator(const std::vector<std::string>& fields) {
  size_t i = 0;
  while (i < fields.size()) {
    const size_t kind = SectionStartingWith(fields[i]);
    if (kind == kSectionKinds) break;  // not a section boundary: the rest is not trusted
    const SectionLayout& layout = FormatOf(kind);
    size_t j = i + 1;
    while (j < fields.size() && fields[j] != layout.endMarker) j += layout.fieldCount;
    if (j >= fields.size()) break;  // no end marker at a record boundary
    // A section that appears twice (a text file with a repeated header) counts by its
    // last appearance, the one the text writer saves.
    spans_[kind] = SectionRange{true, i, j, layout.fieldCount};
    i = j + 1;
  }
}

}  // namespace lumoscope
