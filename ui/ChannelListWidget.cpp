#include "ui/ChannelListWidget.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <limits>

#include "listview/ListView.h"
#include "listview/ViewCommands.h"
#include "ui/ChannelIcons.h"

namespace lumoscope::ui {
namespace {

// Pixels of air above and below the taller of text and icon in a row.
constexpr int kRowPadding = 4;
// While a drag is held this close (pixels) to the top or bottom edge, or beyond it, the
// list scrolls one row per tick, so rows can be dropped beyond the visible page.
constexpr int kAutoScrollMargin = 12;
constexpr int kAutoScrollIntervalMs = 60;
// Characters below this are ASCII, measured from a table of their widths.
constexpr int kFirstNonAscii = 0x80;
// How far, in pixels, the sum of a text's character widths may fall short of the room the
// delegate asks for it (rounding, kerning), and how many texts of a column at most are
// measured by the delegate: those whose sum comes this close to the widest.
constexpr qreal kEstimateSlackPx = 6;
constexpr size_t kMostMeasuredPerColumn = 256;
// Room beside a column title beyond the header margins, in pixels: the divider and a
// little air, so the title is not clipped at its last letter.
constexpr int kTitleExtraPx = 6;
// The line that shows where dragged rows will land.
constexpr int kDropIndicatorWidth = 2;

// Colours travel as 0x00BBGGRR: red in the low byte.
constexpr unsigned kByteMask = 0xFF;
constexpr int kGreenShift = 8;
constexpr int kBlueShift = 16;

QColor FromColorRef(std::uint32_t value) {
  return QColor(static_cast<int>(value & kByteMask), static_cast<int>((value >> kGreenShift) & kByteMask),
                static_cast<int>((value >> kBlueShift) & kByteMask));
}

ClientPoint ToClient(QPoint point) {
  return {point.x(), point.y()};
}

}  // namespace

ChannelListWidget::ChannelListWidget(QWidget* parent)
    : QTableView(parent), model_(new ChannelListModel(this)) {
  setModel(model_);
  SetUpReport();

  flushTimer_.setSingleShot(true);
  flushTimer_.setInterval(0);
  connect(&flushTimer_, &QTimer::timeout, this, &ChannelListWidget::Flush);
  connect(model_, &ChannelListModel::batchStarted, this, [this] {
    selectionStale_ = true;
    flushTimer_.start();
  });
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { selectionStale_ = true; });
  // The selection's flags are rebuilt once the rows changed.
  const auto stale = [this] { selectionStale_ = true; };
  connect(model_, &QAbstractItemModel::modelReset, this, stale);
  connect(model_, &QAbstractItemModel::rowsInserted, this, stale);
  connect(model_, &QAbstractItemModel::rowsRemoved, this, stale);
  connect(model_, &QAbstractItemModel::layoutChanged, this, stale);
  connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
    if (applyingWidths_ || width <= 0) return;
    std::vector<std::string> titles;
    for (int c = 0; c < model_->Columns(); ++c) titles.push_back(model_->Title(c));
    draggedWidths_[titles][column] = width;
  });
  model_->SetCellEditable(
      [this](int row, int column) { return view_ != nullptr && view_->IsCellEditable(row, column); });
  connect(model_, &ChannelListModel::cellEdited, this, &ChannelListWidget::CommitCell, Qt::QueuedConnection);

  autoScrollTimer_.setInterval(kAutoScrollIntervalMs);
  connect(&autoScrollTimer_, &QTimer::timeout, this, &ChannelListWidget::AutoScrollStep);
}

void ChannelListWidget::SetUpReport() {
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(true);
  setWordWrap(false);
  setTabKeyNavigation(false);
  setCornerButtonEnabled(false);
  setSortingEnabled(false);
  setIconSize(QSize(kSmallIconSize, kSmallIconSize));
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

  QHeaderView* rows = verticalHeader();
  rows->hide();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setMinimumSectionSize(1);
  rows->setDefaultSectionSize(std::max(fontMetrics().height(), kSmallIconSize) + kRowPadding);

  // Column headers only show titles: clicking them neither sorts nor selects.
  QHeaderView* columns = horizontalHeader();
  columns->setSectionsClickable(false);
  columns->setHighlightSections(false);
  columns->setStretchLastSection(false);
  columns->setSectionResizeMode(QHeaderView::Interactive);
  columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

// --- Batching --------------------------------------------------------------------------

void ChannelListWidget::Flush() {
  flushTimer_.stop();
  if (!model_->InReset()) {
    // Changes in place: the cells are announced; rows removed or inserted are laid out
    // now, as after a refill, so the scroll range fits the rows at once.
    model_->EndBatch();
    if (layoutPending_) {
      layoutPending_ = false;
      executeDelayedItemsLayout();
      updateGeometries();
    }
    return;
  }
  layoutPending_ = false;
  // The widths on screen now, as the user may have dragged them; the reset forgets them.
  std::vector<int> shown;
  for (int c = 0; c < horizontalHeader()->count(); ++c)
    shown.push_back(isColumnHidden(c) ? 0 : columnWidth(c));
  // From here the header's sections change by the program's hand, not by a drag.
  applyingWidths_ = true;
  const bool otherColumns = model_->EndBatch();
  std::vector<int> wanted;
  for (int c = 0; c < model_->Columns(); ++c) wanted.push_back(model_->ColumnWidth(c));
  // A refill with the same titles and widths (after an edit) keeps the widths the user
  // chose; another view, or other widths (the detail switch), takes the new ones.
  const bool keepShown =
      !fitNext_ && !otherColumns && wanted == appliedWidths_ && shown.size() == wanted.size();
  ApplyColumnWidths(keepShown ? shown : fitNext_ ? FittedWidths(wanted) : wanted);
  applyingWidths_ = false;
  fitNext_ = false;
  appliedWidths_ = std::move(wanted);
  // Lay out now, so scroll ranges and row positions match the new rows at once.
  executeDelayedItemsLayout();
  updateGeometries();
  // Another view starts at its top left; a refill of the same view (after an edit, an
  // undo or a sort) keeps the place the user was looking at.
  if (otherColumns) {
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
  }
}

void ChannelListWidget::FlushPending() const {
  if (model_->InBatch() || layoutPending_) const_cast<ChannelListWidget*>(this)->Flush();
}

void ChannelListWidget::FitColumns(bool newList) {
  fitNext_ = true;
  if (newList) draggedWidths_.clear();
}

int ChannelListWidget::CellWidth(const QModelIndex& index) const {
  // What the table's own delegate asks for the cell (its text, its icon and the style's
  // margins), and the grid line the cell gives up.
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  return itemDelegateForIndex(index)->sizeHint(option, index).width() + (showGrid() ? 1 : 0);
}

bool ChannelListWidget::ShowsWhole(int row, int column) const {
  FlushPending();
  const QModelIndex index = model_->index(row, column);
  return !index.isValid() || CellWidth(index) <= columnWidth(column);
}

int ChannelListWidget::WidestCell(int column) const {
  // Every text of the column is measured; those of ASCII characters (nearly all) by adding
  // up the widths of their characters, which is fast enough for a whole large list. That
  // sum is close to, but not exactly, what the delegate asks for on screen: the texts
  // within a few pixels of the widest then get the delegate's own measure.
  const QFontMetricsF metrics(font());
  std::array<qreal, kFirstNonAscii> ascii{};
  for (int c = 0; c < kFirstNonAscii; ++c)
    ascii[static_cast<size_t>(c)] = metrics.horizontalAdvance(QChar(c));
  std::vector<std::pair<qreal, int>> estimates;
  estimates.reserve(static_cast<size_t>(model_->Rows()));
  for (int r = 0; r < model_->Rows(); ++r) {
    const std::string& text = model_->Cell(r, column);
    qreal width = 0;
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
      return static_cast<unsigned char>(c) < static_cast<unsigned char>(kFirstNonAscii);
    });
    if (plain) {
      for (const char c : text) width += ascii[static_cast<size_t>(c)];
    } else {
      width = metrics.horizontalAdvance(CellText(text));
    }
    estimates.emplace_back(width, r);
  }
  if (estimates.empty()) return 1;
  // The candidates, widest first, as many as are close to the widest (at most a few).
  const auto wider = [](const auto& a, const auto& b) { return a.first > b.first; };
  const size_t few = std::min(estimates.size(), kMostMeasuredPerColumn);
  std::partial_sort(estimates.begin(), estimates.begin() + static_cast<std::ptrdiff_t>(few), estimates.end(),
                    wider);
  int widest = 1;
  for (size_t k = 0; k < few && estimates[k].first >= estimates[0].first - kEstimateSlackPx; ++k)
    widest = std::max(widest, CellWidth(model_->index(estimates[k].second, column)));
  return widest;
}

std::vector<int> ChannelListWidget::FittedWidths(const std::vector<int>& wanted) const {
  std::vector<std::string> titles;
  for (int c = 0; c < model_->Columns(); ++c) titles.push_back(model_->Title(c));
  const auto dragged = draggedWidths_.find(titles);
  std::vector<int> widths = wanted;
  for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
    int& width = widths[static_cast<size_t>(c)];
    if (width == 0) continue;
    if (dragged != draggedWidths_.end() && dragged->second.count(c) > 0) {
      width = dragged->second.at(c);
    } else {
      // Never below 1: 0 would hide it. The title's room is added where it is applied. A
      // value wider than the screen is cut (its tooltip shows it whole); none narrower.
      width = std::max(1, std::min(WidestCell(c), FittedWidthLimit()));
    }
  }
  return widths;
}

void ChannelListWidget::ApplyColumnWidths(const std::vector<int>& widths) {
  // The widths were chosen for a small dialog font; a column is never narrower than its
  // title in the font on screen, so every title can be read.
  const QFontMetrics metrics = horizontalHeader()->fontMetrics();
  const int margins =
      2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + kTitleExtraPx;
  for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
    const int width = widths[static_cast<size_t>(c)];
    setColumnHidden(c, width == 0);
    if (width == 0) continue;
    const QString title = model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    setColumnWidth(c, std::max(width, metrics.horizontalAdvance(title) + margins));
  }
}

int ChannelListWidget::RowHeight() const {
  return verticalHeader()->defaultSectionSize();
}

// --- IListControl ------------------------------------------------------------------------

void ChannelListWidget::InsertColumn(int index, const std::string& title, int width) {
  model_->InsertColumn(index, title, width);
}

void ChannelListWidget::DeleteColumn(int index) {
  model_->DeleteColumn(index);
}

void ChannelListWidget::DeleteAllItems() {
  model_->DeleteAllItems();
}

void ChannelListWidget::InsertItem(int row, const std::string& text, int image) {
  model_->InsertItem(row, text, image);
}

void ChannelListWidget::SetItemText(int row, int column, const std::string& text) {
  model_->SetItemText(row, column, text);
}

void ChannelListWidget::ClearSelection() {
  FlushPending();
  // No row selected and none current, as after a refill.
  selectionModel()->clear();
  selectionStale_ = true;
}

void ChannelListWidget::DeleteItems(int row, int count) {
  model_->DeleteItems(row, count);
  LayOutLater();
}

void ChannelListWidget::InsertItems(int row, int count) {
  model_->InsertItems(row, count);
  LayOutLater();
}

void ChannelListWidget::LayOutLater() {
  if (model_->InReset()) return;
  layoutPending_ = true;
  flushTimer_.start();
}

void ChannelListWidget::SetItemImage(int row, int image) {
  model_->SetItemImage(row, image);
}

void ChannelListWidget::MoveItems(const std::vector<int>& order) {
  model_->MoveItems(order);
}

int ChannelListWidget::TopIndex() const {
  FlushPending();
  if (model_->Rows() == 0) return 0;
  return std::max(rowAt(0), 0);
}

int ChannelListWidget::CountPerPage() const {
  FlushPending();
  // Whole rows that fit; at least one, so a tiny window still has a current page.
  return std::max(1, viewport()->height() / RowHeight());
}

bool ChannelListWidget::IsSelected(int row) const {
  // A refill starts with the rows deleted or rebuilt: nothing of it is selected yet.
  if (model_->InReset() || row < 0 || row >= model_->Rows()) return false;
  if (selectionStale_) {
    selectedRows_.assign(static_cast<size_t>(model_->Rows()), 0);
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
      const int last = std::min(range.bottom(), model_->Rows() - 1);
      for (int r = std::max(range.top(), 0); r <= last; ++r) selectedRows_[static_cast<size_t>(r)] = 1;
    }
    selectionStale_ = false;
  }
  return selectedRows_[static_cast<size_t>(row)] != 0;
}

void ChannelListWidget::SelectAndFocus(int row) {
  FlushPending();
  if (row < 0 || row >= model_->Rows() || model_->Columns() == 0) return;
  // Adds the row to the selection and makes it current, as a click with Ctrl would.
  selectionModel()->setCurrentIndex(model_->index(row, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

RowRect ChannelListWidget::ItemRect(int row) const {
  FlushPending();
  if (row < 0 || row >= model_->Rows()) return {};
  const int top = rowViewportPosition(row);
  const int left = -horizontalOffset();
  // A row spans every column, and at least the visible width: a drop to the right of
  // the last column still lands on the row.
  const int right = std::max(viewport()->width(), left + horizontalHeader()->length());
  return {left, top, right, top + rowHeight(row)};
}

void ChannelListWidget::EnsureVisible(int row) {
  FlushPending();
  if (row < 0 || row >= model_->Rows()) return;
  // Scrolls vertically only (by whole rows), leaving the horizontal position alone.
  QScrollBar* bar = verticalScrollBar();
  const int top = TopIndex();
  const int page = CountPerPage();
  if (row < top) {
    bar->setValue(row);
  } else if (row >= top + page) {
    bar->setValue(row - page + 1);
  }
}

void ChannelListWidget::SetColors(std::uint32_t text, std::uint32_t background) {
  QPalette colours = palette();
  const QColor textColour = FromColorRef(text);
  const QColor backgroundColour = FromColorRef(background);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    colours.setColor(group, QPalette::Text, textColour);
    colours.setColor(group, QPalette::Base, backgroundColour);
  }
  setPalette(colours);
  viewport()->update();
}

QColor ChannelListWidget::TextColor() const {
  return palette().color(QPalette::Active, QPalette::Text);
}

QColor ChannelListWidget::BackgroundColor() const {
  return palette().color(QPalette::Active, QPalette::Base);
}

void ChannelListWidget::SetPointer(PointerShape shape) {
  pointer_ = shape;
  viewport()->setCursor(shape == PointerShape::AppStarting ? Qt::BusyCursor : Qt::ArrowCursor);
}

// --- Cut-off cells ------------------------------------------------------------------------

QString ChannelListWidget::CutOffText(const QModelIndex& index) const {
  if (!index.isValid() || CellWidth(index) <= columnWidth(index.column())) return {};
  return CellText(model_->Cell(index.row(), index.column()));
}

int ChannelListWidget::FittedWidthLimit() const {
  const QScreen* shown = screen();
  return shown != nullptr ? shown->availableGeometry().width() : std::numeric_limits<int>::max();
}

bool ChannelListWidget::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    // A name cut off by a narrow column is shown whole while the pointer rests on it.
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = CutOffText(indexAt(help->pos()));
    if (text.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), text, viewport(), visualRect(indexAt(help->pos())));
    }
    return true;
  }
  return QTableView::viewportEvent(event);
}

// --- Keys --------------------------------------------------------------------------------

void ChannelListWidget::keyboardSearch(const QString& search) {
  if (view_ == nullptr || search.isEmpty()) {
    QTableView::keyboardSearch(search);
    return;
  }
  Flush();
  if (!typedTimer_.isValid() || typedTimer_.elapsed() > QApplication::keyboardInputInterval()) typed_.clear();
  typedTimer_.restart();
  typed_ += search;
  const int current = currentIndex().isValid() ? currentIndex().row() : -1;
  // One letter looks from the next row on, so pressing it again steps through the names
  // that start with it; more letters refine the match from the current row.
  const bool oneLetterAgain = typed_.size() > 1 && typed_.count(typed_.front()) == typed_.size();
  const QString wanted = oneLetterAgain ? typed_.left(1) : typed_;
  const int from = wanted.size() == 1 ? current + 1 : std::max(current, 0);
  const int row = view_->FindName(wanted.toStdString(), from);
  if (row < 0) return;
  const QModelIndex index = model_->index(row, 0);
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(index);
}

ViewKey ChannelListWidget::EditingKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Delete:
      return ViewKey::Delete;
    case Qt::Key_Insert:
      return ViewKey::Insert;
    case Qt::Key_F2:
      return ViewKey::F2;
    case Qt::Key_F3:
      return ViewKey::F3;
    case Qt::Key_F4:
      return ViewKey::F4;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return ViewKey::Enter;
    default:
      return ViewKey::Other;
  }
}

bool ChannelListWidget::event(QEvent* event) {
  // The editing keys belong to the list while it has the focus, before any shortcut of
  // the window that carries the same key.
  if (event->type() == QEvent::ShortcutOverride && view_ != nullptr &&
      EditingKey(static_cast<QKeyEvent*>(event)->key()) != ViewKey::Other) {
    event->accept();
    return true;
  }
  return QTableView::event(event);
}

void ChannelListWidget::keyPressEvent(QKeyEvent* event) {
  Flush();  // the view model and the table's own navigation both need the laid-out rows
  // The window's keys for moving channels reach the list only while their commands are
  // off (the filter is on, or nothing may move): the view model says why.
  if (view_ != nullptr && view_->ViewType() == 0 && event->modifiers() == Qt::ControlModifier) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
      view_->MoveSelectedBy(event->key() == Qt::Key_Up ? -1 : +1);
      event->accept();
      return;
    }
    if (event->key() == Qt::Key_M) {
      view_->CheckSelectionMovable();
      event->accept();
      return;
    }
  }
  const ViewKey key = EditingKey(event->key());
  if (view_ != nullptr && key != ViewKey::Other) {
    if (view_->OnKeyDown(key)) {
      event->accept();
      return;
    }
    if (key == ViewKey::F2 && EditCurrentRow()) {
      event->accept();
      return;
    }
  }
  const bool selected = selectionModel()->hasSelection();
  QTableView::keyPressEvent(event);
  // The first step of the keyboard in a list with nothing selected selects the row it
  // lands on, also when that is the current row already (Home on the first row), so
  // that Enter and the row commands have a row.
  const QModelIndex current = currentIndex();
  if (!selected && !selectionModel()->hasSelection() && current.isValid() && IsStepKey(event->key()))
    selectionModel()->select(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

bool ChannelListWidget::IsStepKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return true;
    default:
      return false;
  }
}

// --- Editing in place ---------------------------------------------------------------------

bool ChannelListWidget::EditCellInPlace(int row, int column) {
  Flush();
  if (view_ == nullptr || !view_->IsCellEditable(row, column)) return false;
  const QModelIndex cell = model_->index(row, column);
  setCurrentIndex(cell);
  edit(cell);
  return true;
}

bool ChannelListWidget::EditCurrentRow() {
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return false;
  if (EditCellInPlace(current.row(), current.column())) return true;
  for (int c = 0; c < model_->Columns(); ++c)
    if (!isColumnHidden(c) && EditCellInPlace(current.row(), c)) return true;
  return false;
}

void ChannelListWidget::CommitCell(int row, int column, const QString& text) {
  if (view_ != nullptr) view_->EditCell(row, column, text.toStdString());
}

// --- Mouse -------------------------------------------------------------------------------

bool ChannelListWidget::LeftPress(QPoint point) {
  Flush();
  dragReported_ = false;
  if (!view_->OnLButtonDown(ToClient(point))) {
    left_ = LeftButton::Swallowed;
    return false;
  }
  left_ = LeftButton::Held;
  pressPoint_ = point;
  pressOnRow_ = rowAt(point.y()) >= 0 && point.x() < horizontalHeader()->length() - horizontalOffset();
  return true;
}

void ChannelListWidget::mousePressEvent(QMouseEvent* event) {
  Flush();
  if (event->button() == Qt::LeftButton && view_ != nullptr && !LeftPress(event->position().toPoint())) {
    event->accept();  // nothing loaded: the press selects nothing
    return;
  }
  QTableView::mousePressEvent(event);
}

void ChannelListWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click already came as a press; it is dropped like that
  // press when the view model swallowed it. Otherwise it edits what is under the pointer:
  // a cell of a section view in place, or a channel in its dialog.
  if (event->button() == Qt::LeftButton && view_ != nullptr && left_ == LeftButton::Swallowed) {
    event->accept();
    return;
  }
  QTableView::mouseDoubleClickEvent(event);  // selects the row, as a press would
  if (event->button() != Qt::LeftButton || view_ == nullptr) return;
  const QModelIndex cell = indexAt(event->position().toPoint());
  if (cell.isValid() && !EditCellInPlace(cell.row(), cell.column())) view_->EditChannelAt(cell.row());
}

void ChannelListWidget::mouseMoveEvent(QMouseEvent* event) {
  if (view_ != nullptr && left_ == LeftButton::Swallowed && (event->buttons() & Qt::LeftButton)) {
    view_->OnMouseMove();
    event->accept();
    return;
  }
  if (view_ != nullptr && left_ == LeftButton::Held && (event->buttons() & Qt::LeftButton) && pressOnRow_) {
    // A row is held: the move is a drag, never a sweep that changes the selection.
    const QPoint point = event->position().toPoint();
    if (!dragReported_ && (point - pressPoint_).manhattanLength() >= QApplication::startDragDistance()) {
      dragReported_ = true;
      view_->OnBeginDrag();
    }
    view_->OnMouseMove();
    if (dragReported_ && view_->Dragging()) {
      dragPoint_ = point;
      UpdateDropIndicator(point);
      const bool nearEdge =
          point.y() < kAutoScrollMargin || point.y() >= viewport()->height() - kAutoScrollMargin;
      if (nearEdge && !autoScrollTimer_.isActive()) autoScrollTimer_.start();
      if (!nearEdge) autoScrollTimer_.stop();
    }
    event->accept();
    return;
  }
  if (view_ != nullptr && left_ == LeftButton::Held) view_->OnMouseMove();
  QTableView::mouseMoveEvent(event);
}

void ChannelListWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || view_ == nullptr) {
    QTableView::mouseReleaseEvent(event);
    return;
  }
  const bool dragged = dragReported_;
  const bool swallowed = left_ == LeftButton::Swallowed;
  left_ = LeftButton::Up;
  dragReported_ = false;
  autoScrollTimer_.stop();
  UpdateDropIndicator(QPoint(-1, -1));
  Flush();
  view_->OnLButtonUp(ToClient(event->position().toPoint()));
  if (dragged || swallowed) {
    // After a drag the rows were moved and the list refilled: the table must not turn
    // the release into a click on the row that now lies under the pointer. A swallowed
    // press has no release for the table either.
    event->accept();
    return;
  }
  QTableView::mouseReleaseEvent(event);
}

void ChannelListWidget::AutoScrollStep() {
  if (!dragReported_) {
    autoScrollTimer_.stop();
    return;
  }
  QScrollBar* bar = verticalScrollBar();
  if (dragPoint_.y() < kAutoScrollMargin) {
    bar->setValue(bar->value() - 1);
  } else if (dragPoint_.y() >= viewport()->height() - kAutoScrollMargin) {
    bar->setValue(bar->value() + 1);
  } else {
    autoScrollTimer_.stop();
  }
  UpdateDropIndicator(dragPoint_);
}

void ChannelListWidget::UpdateDropIndicator(QPoint point) {
  const bool inside = point.x() >= 0 && point.y() >= 0 && point.y() < viewport()->height();
  const int row = dragReported_ && inside ? rowAt(point.y()) : -1;
  if (row == dropIndicatorRow_) return;
  dropIndicatorRow_ = row;
  viewport()->update();
}

void ChannelListWidget::paintEvent(QPaintEvent* event) {
  // A paint may come before the zero-timer: never draw the old layout over new rows.
  Flush();
  QTableView::paintEvent(event);
  if (model_->Columns() == 0 && !emptyText_.isEmpty()) {
    // Nothing loaded yet: say how to get a list.
    QPainter hint(viewport());
    hint.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    hint.drawText(viewport()->rect(), Qt::AlignCenter | Qt::TextWordWrap, emptyText_);
    return;
  }
  if (dropIndicatorRow_ < 0 || dropIndicatorRow_ >= model_->Rows()) return;
  // Dragged rows land directly above the row under the pointer: mark its top edge.
  QPainter painter(viewport());
  const int y = rowViewportPosition(dropIndicatorRow_);
  painter.fillRect(QRect(0, y - kDropIndicatorWidth / 2, viewport()->width(), kDropIndicatorWidth),
                   palette().color(QPalette::Highlight));
}

}  // namespace lumoscope::ui
