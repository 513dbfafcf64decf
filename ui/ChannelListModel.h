#pragma once
// The table behind the channel list widget: column titles and widths, the cell texts
// of every row and each row's icon, in plain vectors that data() reads directly.
//
// A full refill of a large list (25,000 rows of 20 cells) must not cost one signal per
// cell. A refill (columns, all rows) therefore opens a batch: the first change starts a
// model reset, the rest only touch the vectors, and EndBatch() finishes the reset once.
// The changes in place after an edit (rows removed, inserted or put in another order)
// are announced as they come; the cells they change are collected, and EndBatch()
// announces them in one signal.
#include <QAbstractTableModel>
#include <QIcon>
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace lumoscope::ui {

class ChannelListModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ChannelListModel(QObject* parent = nullptr);

  // --- Changes, as the list view model makes them
  void InsertColumn(int index, const std::string& title, int width);
  void DeleteColumn(int index);
  void DeleteAllItems();
  void InsertItem(int row, const std::string& text, int image);
  void SetItemText(int row, int column, const std::string& text);
  // Changes in place: no reset, the selection and scroll position are the view's.
  void DeleteItems(int row, int count);
  void InsertItems(int row, int count);
  void SetItemImage(int row, int image);
  // Row k becomes the old row order[k].
  void MoveItems(const std::vector<int>& order);

  // --- Batching
  // A refill (a model reset) or changed cells are waiting for EndBatch().
  bool InBatch() const { return resetting_ || changed_; }
  bool InReset() const { return resetting_; }
  // Finishes the model reset that the first change of a refill started, or announces
  // the cells changed in place. True when a refill changed the column titles (another
  // view is shown, not the same one refilled).
  bool EndBatch();

  // --- Editing in place: which cells the view model lets a person edit; an edited cell
  // is handed on by cellEdited (queued, after the editor has closed), never stored here.
  void SetCellEditable(std::function<bool(int row, int column)> editable) { editable_ = std::move(editable); }

  // --- Direct reads (no conversion)
  int Columns() const { return static_cast<int>(titles_.size()); }
  int Rows() const { return static_cast<int>(images_.size()); }
  int ColumnWidth(int column) const;
  const std::string& Title(int column) const;
  const std::string& Cell(int row, int column) const;
  int Image(int row) const;

  // --- QAbstractTableModel
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 signals:
  // The first change of a batch was made; the owner arranges for EndBatch().
  void batchStarted();
  // A person finished editing a cell with this text.
  void cellEdited(int row, int column, const QString& text);

 private:
  void BeginBatch();
  // A cell changed outside a refill, to be announced by EndBatch().
  void NoteChanged(int row, int column);
  void AnnounceChanged();
  size_t CellIndex(int row, int column) const {
    return static_cast<size_t>(row) * titles_.size() + static_cast<size_t>(column);
  }

  std::vector<std::string> titles_;
  std::vector<std::string> titlesBeforeBatch_;
  std::vector<int> widths_;
  // Row-major cells, titles_.size() strings per row.
  std::vector<std::string> cells_;
  std::vector<int> images_;
  std::array<QIcon, 3> icons_;
  bool resetting_ = false;
  // The rectangle of cells changed in place since the last EndBatch().
  bool changed_ = false;
  int changedTop_ = 0;
  int changedBottom_ = 0;
  int changedLeft_ = 0;
  int changedRight_ = 0;
  std::function<bool(int, int)> editable_;
};

// Display text of a cell: the view model hands every text over as UTF-8 (names decoded
// from the list's name encoding).
QString CellText(const std::string& text);

}  // namespace lumoscope::ui
