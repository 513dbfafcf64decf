#pragma once
// What an edit did to the working list (m_fields), so that the refresh after it brings
// the joined tables, the undo steps' copy of the list and the list control up to date
// with work for what changed rather than for the whole list. An edit that cannot say
// reports the whole list as changed, and everything is built anew.
#include <cstddef>
#include <utility>
#include <vector>

#include "base/Sections.h"

namespace lumoscope {

// `removed` strings from `at` (a position in the list before the change) were replaced
// by `inserted` others.
struct FieldsSplice {
  size_t at = 0;
  size_t removed = 0;
  size_t inserted = 0;
};

struct FieldsChange {
  // Anything may have changed.
  bool whole = true;
  // The strings replaced, in the positions of the list before the change: ascending and
  // apart. Channel numbers the renumbering rewrites afterwards need not be among them.
  std::vector<FieldsSplice> splices;
  // A sort: the records of these channel sections were put in another order (record k
  // is the old record order[k]).
  std::vector<std::pair<Section, std::vector<int>>> orders;

  static FieldsChange Whole() { return {}; }
  static FieldsChange Nothing() { return FieldsChange{false, {}, {}}; }
  static FieldsChange Splices(std::vector<FieldsSplice> splices) {
    return FieldsChange{false, std::move(splices), {}};
  }
};

}  // namespace lumoscope
