#pragma once
// The columns of the section views (one section's records as plain rows): a title per
// field and a width in pixels, the name column wide and the others narrow.
#include <span>
#include <vector>

#include "base/Sections.h"

namespace lumoscope {

struct SectionColumns {
  std::vector<const char*> titles;  // one per field, in field order
  std::span<const int> widths;      // pixels
};

const SectionColumns& ColumnsOf(Section section);

}  // namespace lumoscope
