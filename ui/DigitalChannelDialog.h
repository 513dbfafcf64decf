#pragma once
// "Setting Digital Channel....New": the values of a new digital channel, its transponder
// and its satellite. OK runs the form checks and stays open on a refusal.
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
  DigitalChannelDialog(const DigitalChannelForm& preset, const std::vector<std::string>& satelliteLines,
                       IReporter& reporter, QWidget* parent = nullptr);

  // The values on screen (numbers without surrounding blanks).
  DigitalChannelForm Form() const;

  void accept() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  IReporter& reporter_;
  QLineEdit* name_;
  QLineEdit* svcId_;
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
