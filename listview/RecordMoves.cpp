#include "listview/RecordMoves.h"

#include <iterator>

namespace lumoscope {

void PermuteRecords(std::vector<std::string>& fields, const SectionSpan& span, int width,
                    const std::vector<int>& order) {
  std::vector<std::string> sorted;
  sorted.reserve(static_cast<size_t>(span.Strings()));
  for (const int r : order) {
    const auto first = fields.begin() + span.First() + static_cast<long>(r) * width;
    sorted.insert(sorted.end(), std::make_move_iterator(first), std::make_move_iterator(first + width));
  }
  std::move(sorted.begin(), sorted.end(), fields.begin() + span.First());
}

void EraseRecords(std::vector<std::string>& fields, const std::vector<RecordRef>& records) {
  // One pass over the list, however many records go.
  std::vector<bool> gone(fields.size(), false);
  for (const RecordRef& r : records)
    for (long i = r.first; i < r.first + r.width; ++i) gone[static_cast<size_t>(i)] = true;
  std::vector<std::string> kept;
  kept.reserve(fields.size());
  for (size_t i = 0; i < fields.size(); ++i)
    if (!gone[i]) kept.push_back(std::move(fields[i]));
  fields = std::move(kept);
}

}  // namespace lumoscope
