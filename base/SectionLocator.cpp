#include "base/SectionLocator.h"

#include <optional>
#include <string_view>

#include "base/ReadAhead.h"

namespace lumoscope {

namespace {

std::optional<Section> SectionStartedBy(std::string_view text) {
  for (const SectionFormat& format : kSectionFormats)
    if (format.startMarker == text) return format.section;
  return std::nullopt;
}

}  // namespace

SectionLocator::SectionLocator(const std::vector<std::string>& fields) {
  for (const SectionFormat& format : kSectionFormats)
    spans_[SectionIndex(format.section)].width = format.fieldCount;
  size_t i = 0;
  while (i < fields.size()) {
    const std::optional<Section> section = SectionStartedBy(fields[i]);
    if (!section) break;  // not a section boundary: the rest is not trusted
    const SectionFormat& format = FormatOf(*section);
    size_t j = i + 1;
    const size_t ahead = kReadAhead * format.fieldCount;
    for (; j < fields.size() && fields[j] != format.endMarker; j += format.fieldCount)
      if (j + ahead < fields.size()) ReadAhead(&fields[j + ahead]);
    SectionSpan& span = spans_[SectionIndex(*section)];
    span.start = i;
    if (j >= fields.size()) {
      span.end = SectionSpan::kMissing;  // no end marker at a record boundary
      break;
    }
    span.end = j;
    i = j + 1;
  }
}

}  // namespace lumoscope
