#include "ui/ChannelImportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumoscope::ui {

namespace {

constexpr const char* kTitle = "Import Scanned Channels";

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

ChannelImportDialog::ChannelImportDialog(std::vector<SatelliteChoice> satellites, int selected,
                                         const NameCodec& names, const QString& file, QWidget* parent)
    : QDialog(parent), satellites_(std::move(satellites)) {
  setWindowTitle(QString::fromLatin1(kTitle));
  auto* about = new QLabel(file, this);
  about->setWordWrap(true);
  satellite_ = new QComboBox(this);
  for (const SatelliteChoice& s : satellites_)
    satellite_->addItem(QStringLiteral("%1  %2").arg(Q(s.index), Q(names.Decode(s.name))));
  satellite_->setCurrentIndex(selected >= 0 && static_cast<size_t>(selected) < satellites_.size() ? selected
                                                                                                  : 0);
  auto* note = new QLabel(
      QStringLiteral("Of a file that names orbital positions (VDR), only the services of the satellite's "
                     "position are taken. Services the satellite has already are skipped."),
      this);
  note->setWordWrap(true);
  pids_ = new QCheckBox(QStringLiteral("As &PID channels (video, audio and PCR PIDs)"), this);
  encrypted_ = new QCheckBox(QStringLiteral("&Encrypted services too"), this);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons_->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Import"));
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(!satellites_.empty());

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Satellite"), satellite_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(about);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(pids_);
  layout->addWidget(encrypted_);
  layout->addWidget(buttons_);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

ChannelImportOptions ChannelImportDialog::Options() const {
  const int i = satellite_->currentIndex();
  ChannelImportOptions options;
  if (i >= 0 && static_cast<size_t>(i) < satellites_.size())
    options.satelliteIndex = satellites_[static_cast<size_t>(i)].index;
  options.pids = pids_->isChecked();
  options.includeEncrypted = encrypted_->isChecked();
  return options;
}

}  // namespace lumoscope::ui
