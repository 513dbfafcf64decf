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
  if (batching_) return;
  batching_ = true;
  titlesBeforeBatch_ = titles_;
  beginResetModel();
  emit batchStarted();
}

bool ChannelListModel::EndBatch() {
  if (!batching_) return false;
  batching_ = false;
  endResetModel();
  return titles_ != titlesBeforeBatch_;
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
  if (!batching_) {
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
  }
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
  if (!batching_ && editable_ && editable_(index.row(), index.column())) flags |= Qt::ItemIsEditable;
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
