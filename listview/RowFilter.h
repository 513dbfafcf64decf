#pragma once
// The filter of the list view: which rows of the display shown contain the person's text,
// in any case, and the mapping between the rows shown and the rows of the whole display.
// The row commands take the rows shown, turn them into rows of the whole display and act
// on those records alone; the display is filled from the rows shown.
//
// Texts are compared as UTF-8 with every letter folded to lower case (FoldCase), names
// decoded with the list's name encoding.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/NameText.h"

namespace lumoscope {

class RowFilter {
 public:
  // Empty text: every row is shown.
  void SetText(std::string_view typed);
  const std::string& Text() const { return typed_; }
  bool Active() const { return !needle_.empty(); }

  // Decides the rows shown of a display of `rows` rows. `key` names the display and its
  // content and must change whenever either does; only then is `searchText` asked for
  // the text of each row (several fields may be joined with '\n', which the text typed
  // never holds).
  void Apply(size_t rows, uint64_t key, const std::function<std::string(size_t)>& searchText);

  size_t ShownCount() const { return shown_.size(); }
  size_t FullCount() const { return full_; }
  // The row of the whole display behind a row shown; -1 for none.
  int FullRow(int shownRow) const;
  // Where a row of the whole display is shown; -1 when the filter hides it.
  int ShownRow(int fullRow) const;
  // The rows of the whole display that are shown, in order.
  const std::vector<int>& Shown() const { return shown_; }
  // Whether the folded text `haystack` holds what was typed.
  bool Matches(std::string_view folded) const { return folded.find(needle_) != std::string_view::npos; }

 private:
  std::string typed_;
  std::string needle_;  // typed_, folded
  std::vector<std::string> texts_;
  uint64_t textsKey_ = 0;
  bool haveTexts_ = false;
  std::vector<int> shown_;
  size_t full_ = 0;
};

}  // namespace lumoscope
