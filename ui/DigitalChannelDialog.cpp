#include "ui/DigitalChannelDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>

#include "base/Reporter.h"
#include "editing/ChannelFormChecks.h"
#include "ui/ChannelDialogParts.h"

namespace lumoscope::ui {

namespace {

// Frequencies and symbol rates have at most 5 digits; a PID at most 4 (0 to 8191).
constexpr int kTuningMaxLength = 5;
constexpr int kPidMaxLength = 4;

}  // namespace

DigitalChannelDialog::DigitalChannelDialog(const DigitalChannelForm& preset, const ChannelDialogSetup& setup,
                                           IReporter& reporter, QWidget* parent)
    : ChannelDialogFrame(QStringLiteral("Setting Digital Channel"), setup, reporter, parent),
      preset_(preset),
      name_(MakeEdit(preset.name, QStringLiteral("name"), kMaxNameLength)),
      svcId_(MakeEdit(preset.svcId, QStringLiteral("svcId"))),
      videoPid_(MakeEdit(preset.videoPid, QStringLiteral("videoPid"), kPidMaxLength)),
      audioPid_(MakeEdit(preset.audioPid, QStringLiteral("audioPid"), kPidMaxLength)),
      pcrPid_(MakeEdit(preset.pcrPid, QStringLiteral("pcrPid"), kPidMaxLength)),
      activeAudio_(MakeEdit(preset.activeAudio, QStringLiteral("activeAudio"))),
      tvRadio_(
          new RadioPair(QStringLiteral("TV"), QStringLiteral("Radio"), QStringLiteral("tvRadio"), preset.tv)),
      frequency_(MakeEdit(preset.frequency, QStringLiteral("frequency"), kTuningMaxLength)),
      symbolRate_(MakeEdit(preset.symbolRate, QStringLiteral("symbolRate"), kTuningMaxLength)),
      polarity_(new RadioPair(QStringLiteral("Horizontal"), QStringLiteral("Vertical"),
                              QStringLiteral("polarity"), preset.horizontal)),
      bouquet_(MakeEdit(preset.bouquet, QStringLiteral("bouquet"), kMaxNameLength)),
      satellite_(
          new ChannelSatelliteGroup(setup.satelliteLines, preset.satellite, setup.names, reporter, this)) {
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
  tpForm->addRow(QStringLiteral("Video PID"), videoPid_);
  tpForm->addRow(QStringLiteral("Audio PID"), audioPid_);
  tpForm->addRow(QStringLiteral("PCR PID"), pcrPid_);
  // A channel is given either by its service ID or by its PIDs; only a PID channel of
  // the list shows (and uses) the PID fields.
  generalForm->setRowVisible(svcId_, !preset.pid);
  for (QLineEdit* pid : {videoPid_, audioPid_, pcrPid_}) {
    tpForm->setRowVisible(pid, preset.pid);
    pid->setEnabled(preset.pid);
  }
  svcId_->setEnabled(!preset.pid);

  Lay({general, tp, satellite_});
}

DigitalChannelForm DigitalChannelDialog::Form() const {
  DigitalChannelForm f;
  f.name = Text(*name_);
  f.pid = preset_.pid;
  f.svcId = TrimmedText(*svcId_);
  f.videoPid = TrimmedText(*videoPid_);
  f.audioPid = TrimmedText(*audioPid_);
  f.pcrPid = TrimmedText(*pcrPid_);
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
  AcceptUnless(CheckDigitalForm(Form(), Names(), Editing() ? &preset_ : nullptr));
}

}  // namespace lumoscope::ui
