#pragma once
// "Setting Digital Channel....New" and "....Edit": the values of a digital channel, its
// transponder and its satellite. A PID channel shows its three PIDs in place of the
// service ID. OK runs the form checks (of an edit: the values that were changed) and stays
// open on a refusal.
#include <QDialog>
#include <string>
#include <vector>

#include "editing/ChannelForms.h"

class QLineEdit;
class QPushButton;

namespace lumoscope {
class IReporter;
}

namespace lumoscope::ui {

class ChannelSatelliteGroup;
class RadioPair;

class DigitalChannelDialog : public QDialog {
  Q_OBJECT
 public:
  DigitalChannelDialog(const DigitalChannelForm& preset, const ChannelDialogSetup& setup, IReporter& reporter,
                       QWidget* parent = nullptr);

  // The values on screen (numbers without surrounding blanks).
  DigitalChannelForm Form() const;

  void accept() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  DigitalChannelForm preset_;
  NameCodec names_;
  DialogPurpose purpose_;
  IReporter& reporter_;
  QLineEdit* name_;
  QLineEdit* svcId_;
  QLineEdit* videoPid_;
  QLineEdit* audioPid_;
  QLineEdit* pcrPid_;
  QLineEdit* activeAudio_;
  RadioPair* tvRadio_;
  QLineEdit* frequency_;
  QLineEdit* symbolRate_;
  RadioPair* polarity_;
  QLineEdit* bouquet_;
  ChannelSatelliteGroup* satellite_;
  QPushButton* ok_;
};

}  // namespace lumoscope::ui
