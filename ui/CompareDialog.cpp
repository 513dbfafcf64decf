#include "ui/CompareDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/ChannelListModel.h"

namespace lumoscope::ui {

namespace {
constexpr int kMinimumWidth = 720;
constexpr int kMinimumHeight = 400;
}  // namespace

CompareDialog::CompareDialog(const ListDifferences& differences, const QString& otherList, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Compare With %1").arg(otherList));
  auto* layout = new QVBoxLayout(this);
  auto* intro = new QLabel(
      QStringLiteral("What changes from the list as shown to %1. Moved: the channel number changed; "
                     "retuned: the same channel on another transponder, or with another symbol rate "
                     "(analog: frequency, band or carrier); changed: another field that reaches the "
                     "receiver, with both values.")
          .arg(otherList),
      this);
  intro->setWordWrap(true);
  layout->addWidget(intro);
  changes_ = new QTreeWidget(this);
  changes_->setRootIsDecorated(false);
  changes_->setHeaderLabels({QStringLiteral("Change"), QStringLiteral("Channel")});
  changes_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  changes_->setMinimumSize(kMinimumWidth, kMinimumHeight);
  for (const ChannelChange& c : differences.changes)
    new QTreeWidgetItem(changes_, {QString::fromLatin1(ChangeName(c.kind)), CellText(ChangeText(c))});
  for (const RecordChange& c : differences.records)
    new QTreeWidgetItem(changes_, {QString::fromLatin1(ChangeName(c.kind)), CellText(RecordChangeText(c))});
  if (const std::string nulls = NullChannelsText(differences); !nulls.empty())
    new QTreeWidgetItem(changes_, {QString(), QString::fromStdString(nulls)});
  layout->addWidget(changes_);
  summary_ = new QLabel(QString::fromStdString(DifferencesSummary(differences)), this);
  layout->addWidget(summary_);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons_);
}

QPushButton* CompareDialog::AddAction(const QString& text) {
  QPushButton* button = buttons_->addButton(text, QDialogButtonBox::ActionRole);
  connect(button, &QPushButton::clicked, this, [this] { done(kActionChosen); });
  return button;
}

}  // namespace lumoscope::ui
