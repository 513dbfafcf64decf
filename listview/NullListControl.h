#pragma once
// A list control that shows nothing, for headless use of the list view (the command
// line's batch editing). It keeps only the counts, so the view's refresh still runs.
#include "listview/ListControl.h"

namespace lumoscope {

class NullListControl final : public IListControl {
 public:
  void InsertColumn(int /*index*/, const std::string& /*title*/, int /*width*/) override { ++columns_; }
  void DeleteColumn(int /*index*/) override {
    if (columns_ > 0) --columns_;
  }
  int ColumnCount() const override { return columns_; }
  void DeleteAllItems() override { items_ = 0; }
  void InsertItem(int /*row*/, const std::string& /*text*/, int /*image*/) override { ++items_; }
  void SetItemText(int /*row*/, int /*column*/, const std::string& /*text*/) override {}
  int ItemCount() const override { return items_; }
  void ClearSelection() override {}
  void DeleteItems(int /*row*/, int count) override { items_ -= count; }
  void InsertItems(int /*row*/, int count) override { items_ += count; }
  void SetItemImage(int /*row*/, int /*image*/) override {}
  void MoveItems(const std::vector<int>& /*order*/) override {}
  int TopIndex() const override { return 0; }
  int CountPerPage() const override { return kRowsPerPage; }
  bool IsSelected(int /*row*/) const override { return false; }
  void SelectAndFocus(int /*row*/) override {}
  RowRect ItemRect(int /*row*/) const override { return {}; }
  void EnsureVisible(int /*row*/) override {}
  void SetColors(std::uint32_t /*text*/, std::uint32_t /*background*/) override {}
  void SetPointer(PointerShape /*shape*/) override {}

 private:
  // A typical maximised window's worth of rows; only used for scroll positions.
  static constexpr int kRowsPerPage = 30;
  int columns_ = 0;
  int items_ = 0;
};

}  // namespace lumoscope
