#pragma once
// Moving and removing whole records of the working list. The markers stay put.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "base/SectionLocator.h"

namespace lumoscope {

// Puts the section's records in the order given: record k becomes the old record
// order[k]. `order` is a permutation of the section's record numbers.
void PermuteRecords(std::vector<std::string>& fields, const SectionSpan& span, const std::vector<int>& order);

// The same for several sections at once, in place.
void PermuteSections(std::vector<std::string>& fields, const SectionLocator& sections,
                     const std::vector<std::pair<Section, std::vector<int>>>& orders);

// Puts blocks of `width` strings from `first` on in the order given, in place: block k
// becomes the old block order[k]. Each string moves about once, and nothing is allocated
// but one block.
void PermuteBlocks(std::vector<std::string>& strings, size_t first, size_t width,
                   const std::vector<int>& order);

// A record by the index of its first string and its width.
struct RecordRef {
  size_t first;
  size_t width;
};

// Removes the records (of any sections, in any order); nothing else moves.
void EraseRecords(std::vector<std::string>& fields, const std::vector<RecordRef>& records);

}  // namespace lumoscope
