#include "ui/ChannelDialogParts.h"

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/FieldConversions.h"
#include "base/Reporter.h"
#include "editing/SatelliteLines.h"

namespace lumoscope::ui {

namespace {

constexpr const char* kDegreeLabel = "Degree\n\n(E180.0 ~ W180.0) , East(+), West(-)";
constexpr const char* kDegreeFormatError = "Degree format ERROR!!!";

QLineEdit* MakeReadOnly(const std::string& text, const QString& objectName) {
  QLineEdit* edit = MakeEdit(text, objectName);
  edit->setReadOnly(true);
  return edit;
}

}  // namespace

QLineEdit* MakeEdit(const std::string& text, const QString& objectName, int maxLength) {
  auto* edit = new QLineEdit(QString::fromStdString(text));
  edit->setObjectName(objectName);
  if (maxLength > 0) edit->setMaxLength(maxLength);
  return edit;
}

std::string Text(const QLineEdit& edit) {
  return edit.text().toStdString();
}
std::string TrimmedText(const QLineEdit& edit) {
  return Trimmed(Text(edit));
}

ChannelDialogFrame::ChannelDialogFrame(const QString& title, const ChannelDialogSetup& setup,
                                       IReporter& reporter, QWidget* parent)
    : QDialog(parent),
      names_(setup.names),
      purpose_(setup.purpose),
      reporter_(reporter),
      ok_(new QPushButton(QStringLiteral("&Ok"))) {
  setWindowTitle(DialogTitle(title, setup.purpose));
}

void ChannelDialogFrame::Lay(std::initializer_list<QWidget*> groups) {
  ok_->setObjectName(QStringLiteral("ok"));
  ok_->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"));
  cancel->setObjectName(QStringLiteral("cancel"));
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  auto* top = new QVBoxLayout(this);
  for (QWidget* group : groups) top->addWidget(group);
  top->addLayout(buttons);
}

void ChannelDialogFrame::AcceptUnless(const std::optional<std::string>& problem) {
  if (problem) {
    reporter_.MessageBox(*problem);
    return;
  }
  QDialog::accept();
}

void ChannelDialogFrame::keyPressEvent(QKeyEvent* event) {
  // Insert, and Delete while the OK button has the focus, close the dialog as OK does.
  if (event->key() == Qt::Key_Insert || (event->key() == Qt::Key_Delete && ok_->hasFocus())) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

ChannelSatelliteGroup::ChannelSatelliteGroup(const std::vector<std::string>& satelliteLines,
                                             const SatelliteFields& preset, const NameCodec& names,
                                             IReporter& reporter, QWidget* parent)
    : QGroupBox(QStringLiteral("Satellite"), parent),
      lines_(satelliteLines),
      reporter_(reporter),
      name_(new QComboBox),
      lnbHigh_(MakeReadOnly(preset.lnbHigh, QStringLiteral("lnbHigh"))),
      lnbLow_(MakeReadOnly(preset.lnbLow, QStringLiteral("lnbLow"))),
      position_(MakeReadOnly(preset.position, QStringLiteral("position"))),
      degree_(MakeReadOnly(preset.degree, QStringLiteral("degree"))) {
  name_->setObjectName(QStringLiteral("satelliteName"));
  for (size_t s = 0; s < SatelliteCount(lines_); ++s)
    name_->addItem(QString::fromStdString(names.Decode(SatelliteName(lines_, s))));
  const auto at = static_cast<size_t>(preset.selected);
  const bool atItsPlace =
      preset.selected >= 0 && at < SatelliteCount(lines_) && SatelliteName(lines_, at) == preset.name;
  name_->setCurrentIndex(static_cast<int>(atItsPlace ? at : FindSatelliteByPrefix(lines_, preset.name)));
  connect(name_, &QComboBox::currentIndexChanged, this, &ChannelSatelliteGroup::ShowSatellite);

  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("Name"), name_);
  form->addRow(QStringLiteral("LNB_LO High[MHz]"), lnbHigh_);
  form->addRow(QStringLiteral("LNB_LO Low[MHz]"), lnbLow_);
  form->addRow(QStringLiteral("Position"), position_);
  form->addRow(QString::fromLatin1(kDegreeLabel), degree_);
}

void ChannelSatelliteGroup::ShowSatellite(int position) {
  if (position < 0 || static_cast<size_t>(position) >= SatelliteCount(lines_)) return;
  const SatelliteFields chosen = SatelliteFieldsOf(lines_, static_cast<size_t>(position));
  std::string stored = chosen.degree;
  const std::optional<std::string> shown = DegreeToDisplay(stored, true);
  if (!shown) {
    // What is wrong, then that the satellite cannot be shown; the previous satellite's
    // data stay shown.
    reporter_.MessageBox(kDegreeConversionMessage);
    reporter_.MessageBox(kDegreeFormatError);
    return;
  }
  lnbHigh_->setText(QString::fromStdString(chosen.lnbHigh));
  lnbLow_->setText(QString::fromStdString(chosen.lnbLow));
  position_->setText(QString::fromStdString(chosen.position));
  degree_->setText(QString::fromStdString(*shown));
}

SatelliteFields ChannelSatelliteGroup::Fields() const {
  SatelliteFields f;
  f.name = name_->currentText().toStdString();
  f.lnbHigh = Text(*lnbHigh_);
  f.lnbLow = Text(*lnbLow_);
  f.position = Text(*position_);
  f.degree = Text(*degree_);
  f.selected = name_->currentIndex();
  return f;
}

RadioPair::RadioPair(const QString& first, const QString& second, const QString& objectName,
                     bool firstChecked, QWidget* parent)
    : QWidget(parent), first_(new QRadioButton(first)), second_(new QRadioButton(second)) {
  setObjectName(objectName);
  first_->setObjectName(objectName + QStringLiteral("First"));
  second_->setObjectName(objectName + QStringLiteral("Second"));
  (firstChecked ? first_ : second_)->setChecked(true);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(first_);
  row->addWidget(second_);
  row->addStretch();
}

bool RadioPair::FirstChecked() const {
  return first_->isChecked();
}

QString DialogTitle(const QString& base, DialogPurpose purpose) {
  return base + (purpose == DialogPurpose::Edit ? QStringLiteral("....Edit") : QStringLiteral("....New"));
}

}  // namespace lumoscope::ui
