#pragma once
// "Setting Analog Channel....New" and "....Edit": the values of an analog channel (one
// analog transponder) and its satellite. OK runs the form checks (of an edit: the values
// that were changed) and stays open on a refusal.
#include <string>
#include <vector>

#include "editing/ChannelForms.h"
#include "ui/ChannelDialogParts.h"

class QComboBox;
class QLineEdit;

namespace lumoscope {
class IReporter;
}

namespace lumoscope::ui {

class AnalogChannelDialog : public ChannelDialogFrame {
  Q_OBJECT
 public:
  AnalogChannelDialog(const AnalogChannelForm& preset, const ChannelDialogSetup& setup, IReporter& reporter,
                      QWidget* parent = nullptr);

  // The values on screen (numbers without surrounding blanks, list positions).
  AnalogChannelForm Form() const;

  void accept() override;

 private:
  AnalogChannelForm preset_;
  QLineEdit* name_;
  QLineEdit* frequency_;
  RadioPair* signalBand_;
  QComboBox* videoBand_;
  RadioPair* polarity_;
  QLineEdit* threshold_;
  QLineEdit* contrast_;
  QComboBox* decoderOutput_;
  QComboBox* audioMode_;
  QLineEdit* audioLeft_;
  QLineEdit* audioRight_;
  QComboBox* bandWidth_;
  RadioPair* dnr_;
  QComboBox* deEmphasis_;
  RadioPair* tvRadio_;
  ChannelSatelliteGroup* satellite_;
};

}  // namespace lumoscope::ui
