#include "listview/RowFilter.h"

#include <algorithm>
#include <numeric>

namespace lumoscope {

void RowFilter::SetText(std::string_view typed) {
  typed_ = typed;
  needle_ = FoldCase(typed);
}

void RowFilter::Apply(size_t rows, uint64_t key, const std::function<std::string(size_t)>& searchText) {
  full_ = rows;
  shown_.clear();
  if (!Active()) {
    shown_.resize(rows);
    std::iota(shown_.begin(), shown_.end(), 0);
    return;
  }
  if (!haveTexts_ || textsKey_ != key || texts_.size() != rows) {
    texts_.clear();
    texts_.reserve(rows);
    for (size_t r = 0; r < rows; ++r) texts_.push_back(FoldCase(searchText(r)));
    textsKey_ = key;
    haveTexts_ = true;
  }
  for (size_t r = 0; r < rows; ++r)
    if (Matches(texts_[r])) shown_.push_back(static_cast<int>(r));
}

int RowFilter::FullRow(int shownRow) const {
  if (shownRow < 0 || static_cast<size_t>(shownRow) >= shown_.size()) return -1;
  return shown_[static_cast<size_t>(shownRow)];
}

int RowFilter::ShownRow(int fullRow) const {
  const auto it = std::lower_bound(shown_.begin(), shown_.end(), fullRow);
  if (it == shown_.end() || *it != fullRow) return -1;
  return static_cast<int>(it - shown_.begin());
}

}  // namespace lumoscope
