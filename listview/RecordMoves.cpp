#include "listview/RecordMoves.h"

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
