#pragma once
// A list control that records what the list view shows: columns, rows with their cells
// and icons, the selection, scrolling and pointer shapes. Rows are kRowHeight pixels
// high, stacked from the top visible row; the page size is settable.
#include <set>
#include <string>
#include <vector>

#include "listview/ListControl.h"

namespace lumoscope::test {

class FakeListControl : public IListControl {
 public:
  static constexpr int kRowHeight = 16;
  static constexpr int kRowWidth = 800;

  struct Column {
    std::string title;
    int width;
  };
  struct Row {
    std::vector<std::string> cells;
    int image;
  };

  void SetUpReport() override { setUp = true; }
  void InsertColumn(int index, const std::string& title, int width) override {
    columns.insert(columns.begin() + index, Column{title, width});
  }
  void DeleteColumn(int index) override {
    if (index >= 0 && index < static_cast<int>(columns.size())) columns.erase(columns.begin() + index);
  }
  int ColumnCount() const override { return static_cast<int>(columns.size()); }
  void DeleteAllItems() override {
    rows.clear();
    selected.clear();
    focused = -1;
  }
  void InsertItem(int row, const std::string& text, int image) override {
    Row r{std::vector<std::string>(columns.size()), image};
    if (!r.cells.empty()) r.cells[0] = text;
    rows.insert(rows.begin() + row, std::move(r));
  }
  void SetItemText(int row, int column, const std::string& text) override {
    rows.at(static_cast<size_t>(row)).cells.at(static_cast<size_t>(column)) = text;
  }
  int ItemCount() const override { return static_cast<int>(rows.size()); }
  void ClearSelection() override {
    selected.clear();
    focused = -1;
  }
  void DeleteItems(int row, int count) override {
    rows.erase(rows.begin() + row, rows.begin() + row + count);
  }
  void InsertItems(int row, int count) override {
    rows.insert(rows.begin() + row, static_cast<size_t>(count),
                Row{std::vector<std::string>(columns.size()), 0});
  }
  void SetItemImage(int row, int image) override { rows.at(static_cast<size_t>(row)).image = image; }
  void MoveItems(const std::vector<int>& order) override {
    std::vector<Row> moved;
    for (int from : order) moved.push_back(std::move(rows.at(static_cast<size_t>(from))));
    rows = std::move(moved);
  }
  int TopIndex() const override { return top; }
  int CountPerPage() const override { return pageSize; }
  bool IsSelected(int row) const override { return selected.count(row) > 0; }
  void SelectAndFocus(int row) override {
    selected.insert(row);
    focused = row;
  }
  RowRect ItemRect(int row) const override {
    const int y = (row - top) * kRowHeight;
    return {0, y, kRowWidth, y + kRowHeight};
  }
  void EnsureVisible(int row) override {
    scrolledTo.push_back(row);
    if (row < top) top = row;
    if (row >= top + pageSize) top = row - pageSize + 1;
  }
  void SetColors(std::uint32_t text, std::uint32_t background) override {
    textColor = text;
    backgroundColor = background;
  }
  void SetPointer(PointerShape shape) override { pointers.push_back(shape); }

  // Test helpers
  void Select(std::initializer_list<int> list) {
    selected.clear();
    selected.insert(list.begin(), list.end());
  }
  // The centre of a row in client coordinates (for the row's current scroll position).
  ClientPoint PointOnRow(int row) const { return {kRowWidth / 2, (row - top) * kRowHeight + kRowHeight / 2}; }
  const std::string& Cell(int row, int column) const {
    return rows.at(static_cast<size_t>(row)).cells.at(static_cast<size_t>(column));
  }
  std::vector<std::string> ColumnTexts(int column) const {
    std::vector<std::string> out;
    for (const Row& r : rows) out.push_back(r.cells.at(static_cast<size_t>(column)));
    return out;
  }

  std::vector<Column> columns;
  std::vector<Row> rows;
  std::set<int> selected;
  int focused = -1;
  int top = 0;
  int pageSize = 20;
  std::vector<int> scrolledTo;
  std::vector<PointerShape> pointers;
  std::uint32_t textColor = 0;
  std::uint32_t backgroundColor = 0;
  bool setUp = false;
};

}  // namespace lumoscope::test
