#include "ui/TransponderImportDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "base/NameText.h"
#include "editing/ScanTableCatalog.h"

namespace lumoscope::ui {
namespace {

constexpr const char* kTitle = "Import Transponders";
constexpr const char* kNewSatellite = "New satellite named after the table";
constexpr const char* kChooseTitle = "Import Transponders - Scan Table File";
constexpr const char* kAnyFile = "Scan Table(*.*)|*|";
constexpr int kTableListHeight = 280;

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

TransponderImportDialog::TransponderImportDialog(std::vector<SatelliteChoice> satellites, int selected,
                                                 const NameCodec& names, std::string tableFolder,
                                                 IFileChooser& chooser, QWidget* parent)
    : QDialog(parent),
      satellites_(std::move(satellites)),
      tableNames_(ListScanTables(tableFolder)),
      tableFolder_(std::move(tableFolder)),
      chooser_(chooser) {
  setWindowTitle(QString::fromLatin1(kTitle));

  satellite_ = new QComboBox(this);
  for (const SatelliteChoice& s : satellites_)
    satellite_->addItem(QStringLiteral("%1  %2").arg(Q(s.index), Q(names.Decode(s.name))));
  satellite_->addItem(QString::fromLatin1(kNewSatellite));
  satellite_->setCurrentIndex(selected >= 0 && static_cast<size_t>(selected) < satellites_.size() ? selected
                                                                                                  : 0);

  filter_ = new QLineEdit(this);
  filter_->setPlaceholderText(QStringLiteral("Filter, e.g. Astra or 19.2E"));
  filter_->setClearButtonEnabled(true);
  tables_ = new QListWidget(this);
  tables_->setMinimumHeight(kTableListHeight);
  for (const std::string& name : tableNames_) {
    auto* item = new QListWidgetItem(Q(name), tables_);
    item->setData(Qt::UserRole,
                  QByteArray::fromStdString((std::filesystem::path(tableFolder_) / name).string()));
  }
  note_ = new QLabel(this);
  note_->setWordWrap(true);
  note_->setText(tableNames_.empty()
                     ? QString::fromLatin1(kScanTablesMissingMessage)
                     : QStringLiteral("The DVB-S scan tables installed in %1.").arg(Q(tableFolder_)));
  chooseFile_ = new QPushButton(QStringLiteral("Choose a Table &File..."), this);

  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons_->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Import"));

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Satellite"), satellite_);
  form->addRow(QStringLiteral("S&can table"), filter_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(tables_);
  layout->addWidget(note_);
  layout->addWidget(chooseFile_, 0, Qt::AlignLeft);
  layout->addWidget(buttons_);

  connect(satellite_, &QComboBox::currentIndexChanged, this, &TransponderImportDialog::PreselectTable);
  connect(filter_, &QLineEdit::textChanged, this, &TransponderImportDialog::ApplyFilter);
  connect(tables_, &QListWidget::currentItemChanged, this, &TransponderImportDialog::UpdateOk);
  connect(tables_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  connect(chooseFile_, &QPushButton::clicked, this, &TransponderImportDialog::ChooseFile);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  PreselectTable();
  UpdateOk();
}

ImportTarget TransponderImportDialog::Target() const {
  const int i = satellite_->currentIndex();
  if (i < 0 || static_cast<size_t>(i) >= satellites_.size()) return {std::nullopt};
  return {satellites_[static_cast<size_t>(i)].index};
}

std::string TransponderImportDialog::TablePath() const {
  const QListWidgetItem* item = tables_->currentItem();
  // The file's name as the system has it, whatever its encoding.
  return item == nullptr ? std::string() : item->data(Qt::UserRole).toByteArray().toStdString();
}

void TransponderImportDialog::PreselectTable() {
  const int i = satellite_->currentIndex();
  if (i < 0 || static_cast<size_t>(i) >= satellites_.size()) return;  // a new satellite: any table
  const SatelliteChoice& s = satellites_[static_cast<size_t>(i)];
  const std::optional<size_t> fits = TableForSatellite(tableNames_, s.name, s.degree);
  if (!fits) return;
  filter_->clear();
  // Tables chosen as files come first in the list; the installed ones follow in order.
  QListWidgetItem* item =
      tables_->item(tables_->count() - static_cast<int>(tableNames_.size()) + static_cast<int>(*fits));
  tables_->setCurrentItem(item);
  tables_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

void TransponderImportDialog::ApplyFilter(const QString& text) {
  for (int r = 0; r < tables_->count(); ++r) {
    QListWidgetItem* item = tables_->item(r);
    item->setHidden(!item->text().contains(text, Qt::CaseInsensitive));
  }
  if (tables_->currentItem() != nullptr && tables_->currentItem()->isHidden())
    tables_->setCurrentItem(nullptr);
  UpdateOk();
}

void TransponderImportDialog::ChooseFile() {
  const std::optional<std::string> path = chooser_.ChooseOpenFile(kChooseTitle, kAnyFile, {});
  if (!path) return;
  filter_->clear();
  auto* item = new QListWidgetItem(QFile::decodeName(path->c_str()));
  item->setData(Qt::UserRole, QByteArray::fromStdString(*path));
  tables_->insertItem(0, item);
  tables_->setCurrentItem(item);
}

void TransponderImportDialog::UpdateOk() {
  const QListWidgetItem* item = tables_->currentItem();
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(item != nullptr && !item->isHidden());
}

}  // namespace lumoscope::ui
