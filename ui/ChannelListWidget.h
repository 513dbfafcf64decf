#pragma once
// The channel list of the main window: a report-style table (full-row selection, grid
// lines, multiple selection, an icon per row) that the list view model drives through
// IListControl. It hands the editing keys and the left-button press, moves, release and
// drag start to the view model before the table acts on them. Enter or a double click on
// a channel opens its dialog; in the section views a double click on a cell, or F2 on a
// row, edits the cell in place, and the view model checks and stores what was typed.
//
// Typing in the list jumps to the next row whose name starts with what was typed (the
// view model knows the name column and the rows shown).
//
// Changes arrive as many small calls (a refill of the channel view is one call per
// cell); the model collects them in a batch, and the widget ends the batch once, either
// when the view model next asks for something that needs the laid-out table (top row,
// page size, selection, row rectangles, scrolling) or when control returns to the
// event loop. After an edit the view model changes only the rows the edit changed: rows
// removed, inserted or put in another order go to the table as they come (the selection
// is cleared first, as a refill clears it), and the cells changed are announced once.
#include <QColor>
#include <QElapsedTimer>
#include <QTableView>
#include <QTimer>
#include <map>
#include <string>
#include <vector>

#include "listview/ListControl.h"
#include "ui/ChannelListModel.h"

namespace lumoscope {
class CLumoscopeListView;
enum class ViewKey;
}  // namespace lumoscope

namespace lumoscope::ui {

class ChannelListWidget final : public QTableView, public IListControl {
  Q_OBJECT

 public:
  explicit ChannelListWidget(QWidget* parent = nullptr);

  // The view model that receives keys and mouse events; nullptr detaches it.
  void SetListView(CLumoscopeListView* view) { view_ = view; }
  // Starts editing a cell in place when the view model lets it be edited.
  bool EditCellInPlace(int row, int column);
  const ChannelListModel& Model() const { return *model_; }
  // Ends a pending batch of changes now.
  void Flush();
  // Shown in the middle of the list while it has no columns (before a list is loaded).
  void SetEmptyText(const QString& text) {
    emptyText_ = text;
    viewport()->update();
  }
  const QString& EmptyText() const { return emptyText_; }

  // The state the view model set, for the window and for tests.
  QColor TextColor() const;
  QColor BackgroundColor() const;
  PointerShape Pointer() const { return pointer_; }
  // The row above which a drag would drop its rows, or -1 when no drag is under way.
  int DropIndicatorRow() const { return dropIndicatorRow_; }
  // Whether the column is wide enough to show the cell's text without cutting it.
  bool ShowsWhole(int row, int column) const;

  // --- IListControl
  void SetUpReport() override;
  void InsertColumn(int index, const std::string& title, int width) override;
  void DeleteColumn(int index) override;
  int ColumnCount() const override { return model_->Columns(); }
  void DeleteAllItems() override;
  void InsertItem(int row, const std::string& text, int image) override;
  void SetItemText(int row, int column, const std::string& text) override;
  int ItemCount() const override { return model_->Rows(); }
  void ClearSelection() override;
  void DeleteItems(int row, int count) override;
  void InsertItems(int row, int count) override;
  void SetItemImage(int row, int image) override;
  void MoveItems(const std::vector<int>& order) override;
  int TopIndex() const override;
  int CountPerPage() const override;
  bool IsSelected(int row) const override;
  void SelectAndFocus(int row) override;
  RowRect ItemRect(int row) const override;
  void EnsureVisible(int row) override;
  void FitColumns(bool newList) override;
  void SetColors(std::uint32_t text, std::uint32_t background) override;
  void SetPointer(PointerShape shape) override;

  // Keyboard search on the names; Qt calls it with the text of each key typed.
  void keyboardSearch(const QString& search) override;

 protected:
  bool event(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The batch is ended from const queries too: it is a deferred part of the last change.
  void FlushPending() const;
  // After rows removed or inserted in place, at the next flush.
  void LayOutLater();
  // Width 0 hides a column.
  void ApplyColumnWidths(const std::vector<int>& widths);
  // The widths of a display whose columns fit their widest value: those the view model
  // hides stay hidden, and those the person dragged for this display keep their width.
  std::vector<int> FittedWidths(const std::vector<int>& wanted) const;
  // The room a cell needs to be shown whole, and the widest of a column's cells.
  int CellWidth(const QModelIndex& index) const;
  int WidestCell(int column) const;
  // No column is fitted wider than the screen.
  int FittedWidthLimit() const;
  int RowHeight() const;
  // False when the view model swallowed the press (no list loaded).
  bool LeftPress(QPoint point);
  void AutoScrollStep();
  void UpdateDropIndicator(QPoint point);
  // The whole text of a cell that its column is too narrow for, or an empty string.
  QString CutOffText(const QModelIndex& index) const;
  static ViewKey EditingKey(int qtKey);
  // The keys that step from row to row.
  static bool IsStepKey(int qtKey);
  // F2 in a section view: the current cell, or the row's first cell that can be edited.
  bool EditCurrentRow();
  void CommitCell(int row, int column, const QString& text);

  ChannelListModel* model_;
  CLumoscopeListView* view_ = nullptr;
  QTimer flushTimer_;
  QTimer autoScrollTimer_;
  PointerShape pointer_ = PointerShape::Arrow;
  // Rows were removed or inserted in place: the table lays out again at the next flush.
  bool layoutPending_ = false;
  // The column widths the view model asked for at the last refill.
  std::vector<int> appliedWidths_;
  // The next refill fits its columns to their values.
  bool fitNext_ = false;
  // Widths the person dragged, per display (named by its column titles), until the next
  // list is loaded; set only while no width is applied by the program.
  std::map<std::vector<std::string>, std::map<int, int>> draggedWidths_;
  bool applyingWidths_ = false;
  // The keyboard search: what was typed within the keyboard input interval.
  QString typed_;
  QElapsedTimer typedTimer_;

  // Selected rows as flags, rebuilt from the selection model when it changed.
  mutable std::vector<char> selectedRows_;
  mutable bool selectionStale_ = true;

  // The left button: up, down on the list, or down but swallowed by the view model (then
  // the table sees neither its moves nor its release). Where it went down, whether on a
  // row, and whether the view model was told that a drag began.
  enum class LeftButton { Up, Held, Swallowed };
  LeftButton left_ = LeftButton::Up;
  bool pressOnRow_ = false;
  bool dragReported_ = false;
  QPoint pressPoint_;
  QPoint dragPoint_;
  int dropIndicatorRow_ = -1;
  QString emptyText_;
};

}  // namespace lumoscope::ui
