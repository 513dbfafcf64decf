#include "ui/AnalogChannelDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>

#include "base/Keywords.h"
#include "base/Reporter.h"
#include "editing/ChannelFormChecks.h"
#include "editing/NewAnalogChannel.h"
#include "ui/ChannelDialogParts.h"

namespace lumoscope::ui {

namespace {

constexpr int kFrequencyMaxLength = 5;  // analog frequencies have at most 5 digits

QString Word(std::string_view word) {
  return QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
}

// A list of a keyword field's words in the order of their codes; the list position is
// what counts.
template <size_t N>
QComboBox* MakeList(const KeywordList<N>& words, int preset, const QString& objectName) {
  auto* list = new QComboBox;
  list->setObjectName(objectName);
  for (std::string_view word : words) list->addItem(Word(word));
  list->setCurrentIndex(preset >= 0 && static_cast<size_t>(preset) < N ? preset : 0);
  return list;
}

}  // namespace

AnalogChannelDialog::AnalogChannelDialog(const AnalogChannelForm& preset, const ChannelDialogSetup& setup,
                                         IReporter& reporter, QWidget* parent)
    : ChannelDialogFrame(QStringLiteral("Setting Analog Channel"), setup, reporter, parent),
      preset_(preset),
      name_(MakeEdit(preset.name, QStringLiteral("name"), kMaxNameLength)),
      frequency_(MakeEdit(preset.frequency, QStringLiteral("frequency"), kFrequencyMaxLength)),
      signalBand_(
          new RadioPair(Word(kTpBands[0]), Word(kTpBands[1]), QStringLiteral("signalBand"), preset.cBand)),
      videoBand_(MakeList(kVideoBands, preset.videoBand, QStringLiteral("videoBand"))),
      polarity_(new RadioPair(QStringLiteral("Horizontal"), QStringLiteral("Vertical"),
                              QStringLiteral("polarity"), preset.horizontal)),
      threshold_(MakeEdit(preset.threshold, QStringLiteral("threshold"))),
      contrast_(MakeEdit(preset.contrast, QStringLiteral("contrast"))),
      decoderOutput_(MakeList(kDecoderOutputs, preset.decoderOutput, QStringLiteral("decoderOutput"))),
      audioMode_(MakeList(kAudioModes, preset.audioMode, QStringLiteral("audioMode"))),
      audioLeft_(MakeEdit(preset.audioLeft, QStringLiteral("audioLeft"))),
      audioRight_(MakeEdit(preset.audioRight, QStringLiteral("audioRight"))),
      bandWidth_(MakeList(kAudioBands, preset.bandWidth, QStringLiteral("bandWidth"))),
      dnr_(new RadioPair(QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("dnr"), preset.dnrYes)),
      deEmphasis_(MakeList(kDeEmphases, preset.deEmphasis, QStringLiteral("deEmphasis"))),
      tvRadio_(
          new RadioPair(QStringLiteral("TV"), QStringLiteral("Radio"), QStringLiteral("tvRadio"), preset.tv)),
      satellite_(
          new ChannelSatelliteGroup(setup.satelliteLines, preset.satellite, setup.names, reporter, this)) {
  auto* general = new QGroupBox(QStringLiteral("General"));
  auto* form = new QFormLayout(general);
  form->addRow(QStringLiteral("Name :"), name_);
  form->addRow(QStringLiteral("Frequency[MHz]"), frequency_);
  form->addRow(QStringLiteral("Signal Band :"), signalBand_);
  form->addRow(QStringLiteral("Video Band :"), videoBand_);
  form->addRow(QStringLiteral("Polarity :"), polarity_);
  form->addRow(QStringLiteral("Threshold"), threshold_);
  form->addRow(QStringLiteral("Contrast"), contrast_);
  form->addRow(QStringLiteral("Decoder Output"), decoderOutput_);
  form->addRow(QStringLiteral("Audio Mode"), audioMode_);
  form->addRow(QStringLiteral("Audio Freq LEFT[MHz]"), audioLeft_);
  form->addRow(QStringLiteral("Audio Freq RIGHT[MHz]"), audioRight_);
  form->addRow(QStringLiteral("Band Width[KHz]"), bandWidth_);
  form->addRow(QStringLiteral("DNR :"), dnr_);
  form->addRow(QStringLiteral("De-emphasis"), deEmphasis_);
  form->addRow(QStringLiteral("TV / Radio"), tvRadio_);

  Lay({general, satellite_});
}

AnalogChannelForm AnalogChannelDialog::Form() const {
  AnalogChannelForm f;
  f.name = Text(*name_);
  f.frequency = TrimmedText(*frequency_);
  f.cBand = signalBand_->FirstChecked();
  f.videoBand = videoBand_->currentIndex();
  f.horizontal = polarity_->FirstChecked();
  f.threshold = TrimmedText(*threshold_);
  f.contrast = TrimmedText(*contrast_);
  f.decoderOutput = decoderOutput_->currentIndex();
  f.audioMode = audioMode_->currentIndex();
  f.audioLeft = TrimmedText(*audioLeft_);
  f.audioRight = TrimmedText(*audioRight_);
  f.bandWidth = bandWidth_->currentIndex();
  f.dnrYes = dnr_->FirstChecked();
  f.deEmphasis = deEmphasis_->currentIndex();
  f.tv = tvRadio_->FirstChecked();
  f.satellite = satellite_->Fields();
  return f;
}

void AnalogChannelDialog::accept() {
  const AnalogChannelForm form = Form();
  // A new analog channel is tuned by its frequency: without one there is nothing to search.
  if (!Editing() && form.frequency.empty()) {
    AcceptUnless(std::string(kFrequencyNotFilledMessage));
    return;
  }
  AcceptUnless(CheckAnalogForm(form, Names(), Editing() ? &preset_ : nullptr));
}

}  // namespace lumoscope::ui
