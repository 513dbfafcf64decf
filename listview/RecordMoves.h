#pragma once
// Moving and removing whole records of one section of the working list. Record r of a
// section is the `width` strings at span.First() + r * width; the markers stay put.
#include <string>
#include <vector>

#include "listview/Sections.h"

namespace lumoscope {

// Puts the section's records in the order given: record k becomes the old record
// order[k]. `order` is a permutation of the section's record numbers.
void PermuteRecords(std::vector<std::string>& fields, const SectionSpan& span, int width,
                    const std::vector<int>& order);

// A record by the index of its first string and its width.
struct RecordRef {
  long first;
  int width;
};

// Removes the records (of any sections, in any order); nothing else moves.
void EraseRecords(std::vector<std::string>& fields, const std::vector<RecordRef>& records);

}  // namespace lumoscope
