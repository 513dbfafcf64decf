#include "listview/RowFilter.h"

#include <algorithm>
#include <numeric>

namespace lumoscope {
namespace {

// UTF-8 of Latin-1: 0xC3 leads the letters À (0xC3 0x80) to þ (0xC3 0xBE); the upper-case
// ones (to Þ, 0xC3 0x9E) are their lower-case partner less 0x20, except × (0xC3 0x97).
constexpr unsigned char kLatin1Lead = 0xC3;
constexpr unsigned char kLatin1UpperFirst = 0x80;
constexpr unsigned char kLatin1UpperLast = 0x9E;
constexpr unsigned char kTimesSign = 0x97;
constexpr unsigned char kCaseOffset = 0x20;

}  // namespace

std::string FoldCase(std::string_view utf8) {
  std::string out(utf8);
  for (size_t i = 0; i < out.size(); ++i) {
    const auto c = static_cast<unsigned char>(out[i]);
    if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c + kCaseOffset);
    } else if (c == kLatin1Lead && i + 1 < out.size()) {
      const auto next = static_cast<unsigned char>(out[i + 1]);
      if (next >= kLatin1UpperFirst && next <= kLatin1UpperLast && next != kTimesSign)
        out[i + 1] = static_cast<char>(next + kCaseOffset);
      ++i;
    }
  }
  return out;
}

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
