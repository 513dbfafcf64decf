#include "listview/RecordMoves.h"

#include <algorithm>
#include <iterator>

namespace lumoscope {

void PermuteRecords(std::vector<std::string>& fields, const SectionSpan& span,
                    const std::vector<int>& order) {
  std::vector<std::string> sorted;
  sorted.reserve(span.Strings());
  const auto width = static_cast<long>(span.width);
  for (const int r : order) {
    const auto first = fields.begin() + static_cast<long>(span.At(static_cast<size_t>(r)));
    sorted.insert(sorted.end(), std::make_move_iterator(first), std::make_move_iterator(first + width));
  }
  std::move(sorted.begin(), sorted.end(), fields.begin() + static_cast<long>(span.First()));
}

void PermuteSections(std::vector<std::string>& fields, const SectionLocator& sections,
                     const std::vector<std::pair<Section, std::vector<int>>>& orders) {
  for (const auto& [section, order] : orders) {
    const SectionSpan& span = sections[section];
    PermuteBlocks(fields, span.First(), span.width, order);
  }
}

void PermuteBlocks(std::vector<std::string>& strings, size_t first, size_t width,
                   const std::vector<int>& order) {
  const auto block = [&](size_t k) {
    return strings.begin() + static_cast<std::ptrdiff_t>(first + k * width);
  };
  std::vector<bool> placed(order.size(), false);
  std::vector<std::string> held(width);
  // Each cycle of the order: its first block is held aside, the others move up one by one.
  for (size_t start = 0; start < order.size(); ++start) {
    if (placed[start] || static_cast<size_t>(order[start]) == start) continue;
    std::move(block(start), block(start) + static_cast<std::ptrdiff_t>(width), held.begin());
    size_t at = start;
    for (;;) {
      placed[at] = true;
      const auto from = static_cast<size_t>(order[at]);
      if (from == start) {
        std::move(held.begin(), held.end(), block(at));
        break;
      }
      std::move(block(from), block(from) + static_cast<std::ptrdiff_t>(width), block(at));
      at = from;
    }
  }
}

void EraseRecords(std::vector<std::string>& fields, const std::vector<RecordRef>& records) {
  // One pass over the list, however many records go.
  std::vector<bool> gone(fields.size(), false);
  for (const RecordRef& r : records)
    for (size_t i = r.first; i < r.first + r.width; ++i) gone[i] = true;
  std::vector<std::string> kept;
  kept.reserve(fields.size());
  for (size_t i = 0; i < fields.size(); ++i)
    if (!gone[i]) kept.push_back(std::move(fields[i]));
  fields = std::move(kept);
}

}  // namespace lumoscope
