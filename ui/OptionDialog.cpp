#include "ui/OptionDialog.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "shell/SerialDevices.h"
#include "shell/SettingsKeys.h"

namespace lumoscope::ui {
namespace {

// Wide enough for a device path with its by-id description.
constexpr int kDeviceListMinWidth = 360;

QColor ToQColor(Colour c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

std::optional<Colour> PlatformColourChooser(QWidget* parent, const QString& title) {
  const QColor chosen = QColorDialog::getColor(Qt::black, parent, title);
  if (!chosen.isValid()) return std::nullopt;
  return MakeColour(chosen.red(), chosen.green(), chosen.blue());
}

// An editable list of the machine's serial devices: each entry shows the path and what
// the device is; the edit field holds only the path, and any path may be typed.
QComboBox* DeviceChoice(const std::vector<SerialDevice>& found, const std::string& current, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMinimumWidth(kDeviceListMinWidth);
  for (const SerialDevice& d : found)
    box->addItem(
        QStringLiteral("%1  (%2)").arg(QString::fromStdString(d.path), QString::fromStdString(d.description)),
        QString::fromStdString(d.path));
  box->setCurrentIndex(-1);
  box->setEditText(QString::fromStdString(current));
  QObject::connect(box, &QComboBox::activated, box,
                   [box](int index) { box->setEditText(box->itemData(index).toString()); });
  return box;
}

}  // namespace

OptionDialog::OptionDialog(const OptionDialogState& state, QWidget* parent, ColourChooser chooseColour)
    : QDialog(parent), state_(state), chooseColour_(std::move(chooseColour)) {
  setWindowTitle(QStringLiteral("Setting Option"));
  if (!chooseColour_)
    chooseColour_ = [this](const QString& title) { return PlatformColourChooser(this, title); };

  auto* satellites = new QGroupBox(QStringLiteral("Max Satellite Number"), this);
  thirtyTwo_ = new QRadioButton(QStringLiteral("32"), satellites);
  forty_ = new QRadioButton(QStringLiteral("40"), satellites);
  (state_.fortySatellites ? forty_ : thirtyTwo_)->setChecked(true);
  auto* satLayout = new QHBoxLayout(satellites);
  satLayout->addWidget(thirtyTwo_);
  satLayout->addWidget(forty_);
  satLayout->addStretch();

  auto* colours = new QGroupBox(QStringLiteral("Color"), this);
  textButton_ = new QPushButton(QStringLiteral("Text Color"), colours);
  backButton_ = new QPushButton(QStringLiteral("Background Color"), colours);
  defaultButton_ = new QPushButton(QStringLiteral("Load Default Color"), colours);
  sample_ = new QLabel(QStringLiteral("  001  Channel Name  "), colours);
  sample_->setAutoFillBackground(true);
  sample_->setFrameShape(QFrame::Box);
  auto* colourLayout = new QHBoxLayout(colours);
  colourLayout->addWidget(textButton_);
  colourLayout->addWidget(backButton_);
  colourLayout->addWidget(defaultButton_);
  colourLayout->addWidget(sample_, 1);
  connect(textButton_, &QPushButton::clicked, this, [this] {
    state_.ChooseTextColour(chooseColour_(QStringLiteral("Text Color")));
    ShowColours();
  });
  connect(backButton_, &QPushButton::clicked, this, [this] {
    state_.ChooseBackgroundColour(chooseColour_(QStringLiteral("Background Color")));
    ShowColours();
  });
  connect(defaultButton_, &QPushButton::clicked, this, [this] {
    state_.LoadDefaultColours();
    ShowColours();
  });

  auto* ports = new QGroupBox(QStringLiteral("Select Serial Com Port"), this);
  auto* portLayout = new QFormLayout(ports);
  port_ = new QComboBox(ports);
  for (const char* name : settings::kDeviceKeys) port_->addItem(QString::fromLatin1(name));
  port_->setCurrentIndex(state_.portNumber - 1);
  portLayout->addRow(QStringLiteral("Port"), port_);
  const std::vector<SerialDevice> found = FindSerialDevices();
  for (int i = 0; i < kPortCount; ++i) {
    devices_[static_cast<size_t>(i)] = DeviceChoice(found, state_.devicePaths[static_cast<size_t>(i)], ports);
    portLayout->addRow(QStringLiteral("%1 device").arg(QString::fromLatin1(settings::kDeviceKeys[i])),
                       devices_[static_cast<size_t>(i)]);
  }

  auto* editing = new QGroupBox(QStringLiteral("Editing"), this);
  auto* editingLayout = new QFormLayout(editing);
  undoSteps_ = new QSpinBox(editing);
  undoSteps_->setRange(1, static_cast<int>(kMaxUndoSteps));
  undoSteps_->setValue(static_cast<int>(state_.undoSteps));
  editingLayout->addRow(QStringLiteral("Undo Steps"), undoSteps_);
  nameEncoding_ = new QComboBox(editing);
  for (const NameEncodingInfo& e : kNameEncodings) {
    nameEncoding_->addItem(QString::fromLatin1(e.label.data(), static_cast<qsizetype>(e.label.size())));
    if (e.encoding == state_.nameEncoding) nameEncoding_->setCurrentIndex(nameEncoding_->count() - 1);
  }
  nameEncoding_->setToolTip(
      QStringLiteral("The character set of the receiver: how the names of the list are shown and typed"));
  editingLayout->addRow(QStringLiteral("Name encoding"), nameEncoding_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(satellites);
  layout->addWidget(colours);
  layout->addWidget(ports);
  layout->addWidget(editing);
  layout->addWidget(buttons);
  ShowColours();
}

void OptionDialog::ShowColours() {
  QPalette p = sample_->palette();
  p.setColor(QPalette::WindowText, ToQColor(state_.textColour));
  p.setColor(QPalette::Window, ToQColor(state_.backgroundColour));
  sample_->setPalette(p);
}

void OptionDialog::CollectChoices() {
  state_.fortySatellites = forty_->isChecked();
  state_.portNumber = port_->currentIndex() + 1;
  for (int i = 0; i < kPortCount; ++i) {
    QComboBox* box = devices_[static_cast<size_t>(i)];
    QString path = box->currentText().trimmed();
    // A listed entry chosen from the keyboard may still show its description.
    if (box->currentIndex() >= 0 && path == box->itemText(box->currentIndex()).trimmed())
      path = box->itemData(box->currentIndex()).toString();
    if (!path.isEmpty()) state_.devicePaths[static_cast<size_t>(i)] = path.toStdString();
  }
  state_.undoSteps = static_cast<size_t>(undoSteps_->value());
  if (const int at = nameEncoding_->currentIndex();
      at >= 0 && static_cast<size_t>(at) < kNameEncodings.size())
    state_.nameEncoding = kNameEncodings[static_cast<size_t>(at)].encoding;
}

const OptionDialogState& OptionDialog::State() {
  CollectChoices();
  return state_;
}

}  // namespace lumoscope::ui
