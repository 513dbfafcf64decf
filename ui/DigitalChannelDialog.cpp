#include "ui/DigitalChannelDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Reporter.h"
#include "editing/ChannelFormChecks.h"
#include "ui/ChannelDialogParts.h"

namespace lumoscope::ui {

namespace {

// Frequencies and symbol rates have at most 5 digits.
constexpr int kTuningMaxLength = 5;

// The PID fields belong to channels given by PIDs; a new channel is always given by its
// service ID, so they are kept in the layout but never shown or used.
QWidget* HiddenPidFields() {
  auto* box = new QWidget;
  auto* form = new QFormLayout(box);
  form->setContentsMargins(0, 0, 0, 0);
  form->addRow(QStringLiteral("Video PID"), MakeEdit({}, QStringLiteral("videoPid")));
  form->addRow(QStringLiteral("Audio PID"), MakeEdit({}, QStringLiteral("audioPid")));
  form->addRow(QStringLiteral("PCR PID"), MakeEdit({}, QStringLiteral("pcrPid")));
  box->setEnabled(false);
  box->setVisible(false);
  return box;
}

}  // namespace

DigitalChannelDialog::DigitalChannelDialog(const DigitalChannelForm& preset,
                                           const std::vector<std::string>& satelliteLines,
                                           IReporter& reporter, QWidget* parent)
    : QDialog(parent),
      reporter_(reporter),
      name_(MakeEdit(preset.name, QStringLiteral("name"), kMaxNameLength)),
      svcId_(MakeEdit(preset.svcId, QStringLiteral("svcId"))),
      activeAudio_(MakeEdit(preset.activeAudio, QStringLiteral("activeAudio"))),
      tvRadio_(
          new RadioPair(QStringLiteral("TV"), QStringLiteral("Radio"), QStringLiteral("tvRadio"), preset.tv)),
      frequency_(MakeEdit(preset.frequency, QStringLiteral("frequency"), kTuningMaxLength)),
      symbolRate_(MakeEdit(preset.symbolRate, QStringLiteral("symbolRate"), kTuningMaxLength)),
      polarity_(new RadioPair(QStringLiteral("Horizontal"), QStringLiteral("Vertical"),
                              QStringLiteral("polarity"), preset.horizontal)),
      bouquet_(MakeEdit(preset.bouquet, QStringLiteral("bouquet"), kMaxNameLength)),
      satellite_(new ChannelSatelliteGroup(satelliteLines, preset.satellite, reporter, this)),
      ok_(new QPushButton(QStringLiteral("&Ok"))) {
  setWindowTitle(QStringLiteral("Setting Digital Channel....New"));

  auto* general = new QGroupBox(QStringLiteral("General"));
  auto* generalForm = new QFormLayout(general);
  generalForm->addRow(QStringLiteral("Name"), name_);
  generalForm->addRow(QStringLiteral("SVC ID(hex)"), svcId_);
  generalForm->addRow(QStringLiteral("Active Audio"), activeAudio_);
  generalForm->addRow(QStringLiteral("TV / Radio :"), tvRadio_);

  auto* tp = new QGroupBox(QStringLiteral("Digital TP"));
  auto* tpForm = new QFormLayout(tp);
  tpForm->addRow(QStringLiteral("Frequency[MHz]"), frequency_);
  tpForm->addRow(QStringLiteral("Symbol Rate[KHz]"), symbolRate_);
  tpForm->addRow(QStringLiteral("Polarity :"), polarity_);
  tpForm->addRow(QStringLiteral("Bouquet"), bouquet_);
  tpForm->addRow(HiddenPidFields());

  QHBoxLayout* buttons = OkCancelRow(*this, *ok_);

  auto* top = new QVBoxLayout(this);
  top->addWidget(general);
  top->addWidget(tp);
  top->addWidget(satellite_);
  top->addLayout(buttons);
}

DigitalChannelForm DigitalChannelDialog::Form() const {
  DigitalChannelForm f;
  f.name = Text(*name_);
  f.svcId = TrimmedText(*svcId_);
  f.activeAudio = TrimmedText(*activeAudio_);
  f.tv = tvRadio_->FirstChecked();
  f.frequency = TrimmedText(*frequency_);
  f.symbolRate = TrimmedText(*symbolRate_);
  f.horizontal = polarity_->FirstChecked();
  f.bouquet = Text(*bouquet_);
  f.satellite = satellite_->Fields();
  return f;
}

void DigitalChannelDialog::accept() {
  if (const auto problem = CheckDigitalForm(Form())) {
    reporter_.MessageBox(*problem);
    return;
  }
  QDialog::accept();
}

void DigitalChannelDialog::keyPressEvent(QKeyEvent* event) {
  if (IsOkKey(*event, *ok_)) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace lumoscope::ui
