#pragma once
// The report-style list control the list view drives. The desktop widget implements it
// and forwards keys and mouse events to the view; tests use a recording fake and the
// command line a control that shows nothing.
#include <cstdint>
#include <string>
#include <vector>

namespace lumoscope {

// A point in the control's client coordinates (pixels).
struct ClientPoint {
  int x = 0;
  int y = 0;
};

// A row's bounding rectangle in client coordinates; right and bottom are exclusive.
struct RowRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Contains(ClientPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
};

enum class PointerShape {
  Arrow,        // the normal pointer
  AppStarting,  // arrow with hourglass: a drag is under way
};

// Icons of the two image lists, in their order.
inline constexpr int kImageTv = 0;
inline constexpr int kImageRadio = 1;
inline constexpr int kImageRecord = 2;

class IListControl {
 public:
  virtual ~IListControl() = default;

  // Report mode with multiple selection, full-row selection, grid lines and the two
  // image lists (32x32 normal, 16x16 small) attached. Called once at first display.
  virtual void SetUpReport() {}

  // Columns are always left aligned; width 0 hides a column.
  virtual void InsertColumn(int index, const std::string& title, int width) = 0;
  virtual void DeleteColumn(int index) = 0;
  virtual int ColumnCount() const = 0;

  virtual void DeleteAllItems() = 0;
  virtual void InsertItem(int row, const std::string& text, int image) = 0;
  virtual void SetItemText(int row, int column, const std::string& text) = 0;
  virtual int ItemCount() const = 0;

  // Changes to the rows in place of a refill, for the rows an edit changed. What they
  // leave is what a refill would show; like a refill, they start with ClearSelection (no
  // row selected, none focused).
  // Removes `count` rows from `row` on.
  virtual void DeleteItems(int row, int count) = 0;
  // Inserts `count` rows with empty cells before `row`; their icons and texts follow.
  virtual void InsertItems(int row, int count) = 0;
  virtual void SetItemImage(int row, int image) = 0;
  // Puts the rows in a new order: row k becomes the old row order[k].
  virtual void MoveItems(const std::vector<int>& order) = 0;

  virtual int TopIndex() const = 0;      // first visible row
  virtual int CountPerPage() const = 0;  // rows that fit in the client area
  virtual bool IsSelected(int row) const = 0;
  virtual void SelectAndFocus(int row) = 0;
  // No row selected. A refill starts with none; an edit that shows the rows it touched
  // clears the selection first in any case.
  virtual void ClearSelection() {}
  virtual RowRect ItemRect(int row) const = 0;
  virtual void EnsureVisible(int row) = 0;

  // The next refill shows another display, or a list just loaded: its columns fit their
  // widest value (and title) rather than the widths given; a width of 0 still hides a
  // column. A new list also forgets the widths the person dragged; until then each
  // display keeps them.
  virtual void FitColumns(bool /*newList*/) {}

  // Colours as 0x00BBGGRR.
  virtual void SetColors(std::uint32_t text, std::uint32_t background) = 0;
  virtual void SetPointer(PointerShape shape) = 0;
};

}  // namespace lumoscope
