#include "ui/ChannelListModel.h"

#include <algorithm>

#include "listview/ListControl.h"
#include "ui/ChannelIcons.h"

namespace lumoscope::ui {
namespace {

const std::string kNoText;

}  // namespace

QString CellText(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

ChannelListModel::ChannelListModel(QObject* parent) : QAbstractTableModel(parent) {
  for (int i = 0; i < static_cast<int>(icons_.size()); ++i) icons_[static_cast<size_t>(i)] = ChannelIcon(i);
}

void ChannelListModel::BeginBatch() {
  if (resetting_) return;
  // A reset announces every cell anew.
  changed_ = false;
  resetting_ = true;
  titlesBeforeBatch_ = titles_;
  beginResetModel();
  emit batchStarted();
}

bool ChannelListModel::EndBatch() {
  if (!resetting_) {
    AnnounceChanged();
    return false;
  }
  resetting_ = false;
  endResetModel();
  return titles_ != titlesBeforeBatch_;
}

void ChannelListModel::NoteChanged(int row, int column) {
  if (!changed_) {
    changed_ = true;
    changedTop_ = changedBottom_ = row;
    changedLeft_ = changedRight_ = column;
    emit batchStarted();
    return;
  }
  changedTop_ = std::min(changedTop_, row);
  changedBottom_ = std::max(changedBottom_, row);
  changedLeft_ = std::min(changedLeft_, column);
  changedRight_ = std::max(changedRight_, column);
}

void ChannelListModel::AnnounceChanged() {
  if (!changed_) return;
  changed_ = false;
  const int lastRow = Rows() - 1;
  const int lastColumn = Columns() - 1;
  if (lastRow < 0 || lastColumn < 0) return;
  emit dataChanged(index(std::min(changedTop_, lastRow), std::min(changedLeft_, lastColumn)),
                   index(std::min(changedBottom_, lastRow), std::min(changedRight_, lastColumn)),
                   {Qt::DisplayRole, Qt::DecorationRole});
}

void ChannelListModel::InsertColumn(int index, const std::string& title, int width) {
  BeginBatch();
  const int oldColumns = Columns();
  const int at = std::clamp(index, 0, oldColumns);
  if (Rows() > 0) {
    // Re-stride the cells: every row gains an empty cell at `at`.
    std::vector<std::string> cells;
    cells.reserve(static_cast<size_t>(Rows()) * static_cast<size_t>(oldColumns + 1));
    for (int r = 0; r < Rows(); ++r) {
      for (int c = 0; c <= oldColumns; ++c) {
        if (c == at) {
          cells.emplace_back();
        } else {
          cells.push_back(std::move(cells_[CellIndex(r, c < at ? c : c - 1)]));
        }
      }
    }
    cells_ = std::move(cells);
  }
  titles_.insert(titles_.begin() + at, title);
  widths_.insert(widths_.begin() + at, std::max(width, 0));
}

void ChannelListModel::DeleteColumn(int index) {
  if (index < 0 || index >= Columns()) return;
  BeginBatch();
  if (Rows() > 0) {
    std::vector<std::string> cells;
    cells.reserve(static_cast<size_t>(Rows()) * static_cast<size_t>(Columns() - 1));
    for (int r = 0; r < Rows(); ++r) {
      for (int c = 0; c < Columns(); ++c) {
        if (c != index) cells.push_back(std::move(cells_[CellIndex(r, c)]));
      }
    }
    cells_ = std::move(cells);
  }
  titles_.erase(titles_.begin() + index);
  widths_.erase(widths_.begin() + index);
}

void ChannelListModel::DeleteAllItems() {
  BeginBatch();
  // clear() keeps the capacity, so the refill that follows allocates nothing new.
  cells_.clear();
  images_.clear();
}

void ChannelListModel::InsertItem(int row, const std::string& text, int image) {
  BeginBatch();
  const int at = std::clamp(row, 0, Rows());
  const size_t stride = titles_.size();
  // Without columns a row has no cell to hold its text; it still counts as a row.
  if (at == Rows()) {
    cells_.resize(cells_.size() + stride);
  } else {
    cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(CellIndex(at, 0)), stride, std::string());
  }
  images_.insert(images_.begin() + at, image);
  if (stride > 0) cells_[CellIndex(at, 0)] = text;
}

void ChannelListModel::SetItemText(int row, int column, const std::string& text) {
  if (row < 0 || row >= Rows() || column < 0 || column >= Columns()) return;
  cells_[CellIndex(row, column)] = text;
  if (!resetting_) NoteChanged(row, column);
}

void ChannelListModel::DeleteItems(int row, int count) {
  const int first = std::clamp(row, 0, Rows());
  const int last = std::min(first + count, Rows());
  if (last <= first) return;
  // The rectangle of changed cells is in rows as they were: announce it first.
  if (!resetting_) {
    AnnounceChanged();
    beginRemoveRows(QModelIndex(), first, last - 1);
  }
  cells_.erase(cells_.begin() + static_cast<std::ptrdiff_t>(CellIndex(first, 0)),
               cells_.begin() + static_cast<std::ptrdiff_t>(CellIndex(last, 0)));
  images_.erase(images_.begin() + first, images_.begin() + last);
  if (!resetting_) endRemoveRows();
}

void ChannelListModel::InsertItems(int row, int count) {
  const int at = std::clamp(row, 0, Rows());
  if (count <= 0) return;
  if (!resetting_) {
    AnnounceChanged();
    beginInsertRows(QModelIndex(), at, at + count - 1);
  }
  cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(CellIndex(at, 0)),
                static_cast<size_t>(count) * titles_.size(), std::string());
  images_.insert(images_.begin() + at, static_cast<size_t>(count), -1);
  if (!resetting_) endInsertRows();
}

void ChannelListModel::SetItemImage(int row, int image) {
  if (row < 0 || row >= Rows()) return;
  images_[static_cast<size_t>(row)] = image;
  if (!resetting_) NoteChanged(row, 0);
}

void ChannelListModel::MoveItems(const std::vector<int>& order) {
  if (order.size() != images_.size()) return;
  if (!resetting_) {
    AnnounceChanged();
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  }
  const size_t stride = titles_.size();
  std::vector<std::string> cells(cells_.size());
  std::vector<int> images(images_.size());
  std::vector<int> newRow(order.size());
  for (size_t k = 0; k < order.size(); ++k) {
    const auto from = static_cast<size_t>(order[k]);
    std::move(cells_.begin() + static_cast<std::ptrdiff_t>(from * stride),
              cells_.begin() + static_cast<std::ptrdiff_t>((from + 1) * stride),
              cells.begin() + static_cast<std::ptrdiff_t>(k * stride));
    images[k] = images_[from];
    newRow[from] = static_cast<int>(k);
  }
  cells_ = std::move(cells);
  images_ = std::move(images);
  if (resetting_) return;
  // Indexes the table keeps (the row under the pointer, an open editor) follow their rows.
  const QModelIndexList kept = persistentIndexList();
  QModelIndexList moved;
  for (const QModelIndex& i : kept) moved.append(index(newRow[static_cast<size_t>(i.row())], i.column()));
  changePersistentIndexList(kept, moved);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int ChannelListModel::ColumnWidth(int column) const {
  if (column < 0 || column >= Columns()) return 0;
  return widths_[static_cast<size_t>(column)];
}

const std::string& ChannelListModel::Title(int column) const {
  if (column < 0 || column >= Columns()) return kNoText;
  return titles_[static_cast<size_t>(column)];
}

const std::string& ChannelListModel::Cell(int row, int column) const {
  if (row < 0 || row >= Rows() || column < 0 || column >= Columns()) return kNoText;
  return cells_[CellIndex(row, column)];
}

int ChannelListModel::Image(int row) const {
  if (row < 0 || row >= Rows()) return -1;
  return images_[static_cast<size_t>(row)];
}

int ChannelListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Rows();
}

int ChannelListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Columns();
}

QVariant ChannelListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row();
  const int column = index.column();
  if (row >= Rows() || column >= Columns()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return CellText(cells_[CellIndex(row, column)]);
    case Qt::DecorationRole: {
      const int image = images_[static_cast<size_t>(row)];
      if (column != 0 || image < kImageTv || image > kImageRecord) return {};
      return icons_[static_cast<size_t>(image)];
    }
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
      return {};
  }
}

QVariant ChannelListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= Columns()) return {};
  if (role == Qt::DisplayRole) return CellText(titles_[static_cast<size_t>(section)]);
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
  return {};
}

Qt::ItemFlags ChannelListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  if (!resetting_ && editable_ && editable_(index.row(), index.column())) flags |= Qt::ItemIsEditable;
  return flags;
}

bool ChannelListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || !(flags(index) & Qt::ItemIsEditable)) return false;
  const QString text = value.toString();
  // Unchanged text is no edit. The view model refills the whole list after an edit, which
  // must not happen while the editor is still being closed: the edit goes on queued.
  if (text == CellText(Cell(index.row(), index.column()))) return false;
  emit cellEdited(index.row(), index.column(), text);
  return true;
}

}  // namespace lumoscope::ui
