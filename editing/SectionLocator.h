#pragma once
// Finds the sections of the working section list: each section is a start marker, whole
// records of a fixed number of lines, and an end marker. The locator walks the list
// section by section, stepping over whole records, so a name that happens to read like
// a marker inside a record is never taken for one.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/SectionLayout.h"

namespace lumoscope {

enum class SectionId { SatName, Satellite, Digital, Channel, ChannelPid, Analog };
inline constexpr size_t kSectionKinds = 6;

// Markers, header line and record length of a section.
const SectionLayout& LayoutOf(SectionId id);

struct SectionRange {
  bool found = false;
  size_t start = 0;  // position of the start marker
  size_t end = 0;    // position of the end marker
  size_t recordLength = 1;

  size_t RecordCount() const { return found ? (end - start - 1) / recordLength : 0; }
  // Position of line `line` of record `record`.
  size_t Line(size_t record, size_t line) const { return start + 1 + record * recordLength + line; }
};

class SectionLocator {
 public:
  explicit SectionLocator(const std::vector<std::string>& fields);
  const SectionRange& operator[](SectionId id) const { return spans_[static_cast<size_t>(id)]; }

 private:
  std::array<SectionRange, kSectionKinds> spans_{};
};

}  // namespace lumoscope
