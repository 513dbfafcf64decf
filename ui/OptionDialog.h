#pragma once
// "Setting Option": the maximum satellite number, the list colours, the serial port and
// the device behind each port name, the number of undo steps and the name encoding. It
// edits an OptionDialogState; the frame applies the state when the dialog closes with OK.
#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "shell/OptionDialogState.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace lumoscope::ui {

class OptionDialog : public QDialog {
  Q_OBJECT
 public:
  // `chooseColour` asks the person for a colour starting at black; null uses the
  // platform's colour chooser.
  using ColourChooser = std::function<std::optional<Colour>(const QString& title)>;
  OptionDialog(const OptionDialogState& state, QWidget* parent = nullptr, ColourChooser chooseColour = {});

  // The state with the controls' current choices.
  const OptionDialogState& State();

  QRadioButton* FortyButton() const { return forty_; }
  QRadioButton* ThirtyTwoButton() const { return thirtyTwo_; }
  QComboBox* PortList() const { return port_; }
  QComboBox* DeviceList(int index) const { return devices_[static_cast<size_t>(index)]; }
  QPushButton* TextColourButton() const { return textButton_; }
  QPushButton* BackgroundColourButton() const { return backButton_; }
  QPushButton* DefaultColourButton() const { return defaultButton_; }
  QSpinBox* UndoStepsBox() const { return undoSteps_; }
  QComboBox* NameEncodingList() const { return nameEncoding_; }

 private:
  void ShowColours();
  void CollectChoices();

  OptionDialogState state_;
  ColourChooser chooseColour_;
  QRadioButton* thirtyTwo_;
  QRadioButton* forty_;
  QComboBox* port_;
  std::array<QComboBox*, kPortCount> devices_{};
  QPushButton* textButton_;
  QPushButton* backButton_;
  QPushButton* defaultButton_;
  QLabel* sample_;
  QSpinBox* undoSteps_;
  QComboBox* nameEncoding_;
};

}  // namespace lumoscope::ui
