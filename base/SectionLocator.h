#pragma once
// Where the sections lie in the working section list. Each section is a start marker,
// whole records of its fixed number of strings, and an end marker. The locator walks the
// list section by section, stepping over whole records, so a name that reads like a
// marker inside a record is never taken for one. The list view and the new-channel logic
// find their sections with it, every time they need them.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "base/Sections.h"

namespace lumoscope {

// One section's place: the indices of its markers, and its record width.
struct SectionSpan {
  static constexpr size_t kMissing = static_cast<size_t>(-1);

  size_t start = kMissing;  // index of the start marker
  size_t end = kMissing;    // index of the end marker
  size_t width = 1;         // strings per record

  bool Found() const { return start != kMissing && end != kMissing; }
  size_t First() const { return start + 1; }  // the first string of the first record
  size_t Records() const { return Found() ? (end - start - 1) / width : 0; }
  size_t Strings() const { return Records() * width; }
  // Index of field `field` of record `record`.
  size_t At(size_t record, int field = 0) const {
    return start + 1 + record * width + static_cast<size_t>(field);
  }
  // True when `index` lies on a string of one of the records.
  bool Holds(size_t index) const { return Found() && index > start && index < end; }
};

class SectionLocator {
 public:
  // The sections are taken in the order they stand in. A string where a start marker
  // should be ends the walk, and so does a section without its end marker at a record
  // boundary: the sections from there on count as missing (a missing end marker leaves
  // the span's start set). A section that appears twice counts by its last appearance,
  // the one the text writer saves.
  explicit SectionLocator(const std::vector<std::string>& fields);

  const SectionSpan& operator[](Section section) const { return spans_[SectionIndex(section)]; }

 private:
  std::array<SectionSpan, kSectionCount> spans_;
};

}  // namespace lumoscope
