#pragma once
// Reading numbers out of the text fields of the working section list.
#include <optional>
#include <string>
#include <vector>

#include "base/SectionLocator.h"

namespace lumoscope {

// The decimal number at the start of a field (leading blanks and a sign allowed), 0 when
// there is none. Saturates instead of overflowing on absurdly long digit runs.
long LeadingInteger(const std::string& text);

// The largest LeadingInteger of field `field` over the records of a section; empty when
// the section has no records.
std::optional<long> LargestInField(const std::vector<std::string>& fields, const SectionSpan& span,
                                   int field);

// The record number of the satellite with this Index, compared as numbers like the
// compile; nothing when there is none, or the index is not a number.
std::optional<size_t> FindSatelliteRecord(const std::vector<std::string>& fields,
                                          const SectionSpan& satellites, const std::string& index);
inline constexpr const char* kNoSuchSatelliteMessage =
    "The list has no satellite with the index %s. Nothing was changed.";

}  // namespace lumoscope
