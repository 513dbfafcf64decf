#pragma once
// "Setting Digital Channel....New" and "....Edit": the values of a digital channel, its
// transponder and its satellite. A PID channel shows its three PIDs in place of the
// service ID. OK runs the form checks (of an edit: the values that were changed) and stays
// open on a refusal.
#include <string>
#include <vector>

#include "editing/ChannelForms.h"
#include "ui/ChannelDialogParts.h"

class QLineEdit;

namespace lumoscope {
class IReporter;
}

namespace lumoscope::ui {

class DigitalChannelDialog : public ChannelDialogFrame {
  Q_OBJECT
 public:
  DigitalChannelDialog(const DigitalChannelForm& preset, const ChannelDialogSetup& setup, IReporter& reporter,
                       QWidget* parent = nullptr);

  // The values on screen (numbers without surrounding blanks).
  DigitalChannelForm Form() const;

  void accept() override;

 private:
  DigitalChannelForm preset_;
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
};

}  // namespace lumoscope::ui
