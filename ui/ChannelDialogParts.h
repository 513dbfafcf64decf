#pragma once
// Pieces both channel dialogs are built from: the Satellite group (the satellite list and
// the read-only data of the selected satellite), pairs of radio buttons, and the keys
// that close a dialog as OK does.
#include <QGroupBox>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "editing/ChannelForms.h"

class QComboBox;
class QDialog;
class QHBoxLayout;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumoscope {
class IReporter;
}

namespace lumoscope::ui {

// The satellite part of a channel dialog. The list holds the satellites' names in file
// order; choosing one shows its LNB values, position and angle (in display form). Until
// the first choice the preset values are shown as given, the angle in stored form.
class ChannelSatelliteGroup : public QGroupBox {
  Q_OBJECT
 public:
  // The names in the list are decoded with `names`. The preset satellite is the one at
  // its position when that has its name, else the first whose name begins with it.
  ChannelSatelliteGroup(const std::vector<std::string>& satelliteLines, const SatelliteFields& preset,
                        const NameCodec& names, IReporter& reporter, QWidget* parent = nullptr);

  // The values on screen and the position of the selected satellite.
  SatelliteFields Fields() const;

 private:
  void ShowSatellite(int position);

  std::vector<std::string> lines_;
  IReporter& reporter_;
  QComboBox* name_;
  QLineEdit* lnbHigh_;
  QLineEdit* lnbLow_;
  QLineEdit* position_;
  QLineEdit* degree_;
};

// Two radio buttons on a row of their own, so that each pair is exclusive by itself.
class RadioPair : public QWidget {
  Q_OBJECT
 public:
  RadioPair(const QString& first, const QString& second, const QString& objectName, bool firstChecked,
            QWidget* parent = nullptr);
  bool FirstChecked() const;

 private:
  QRadioButton* first_;
  QRadioButton* second_;
};

// A text field with an object name (the tests find fields by it) and an optional limit.
QLineEdit* MakeEdit(const std::string& text, const QString& objectName, int maxLength = 0);

// Insert, and Delete while the OK button has the focus, close the dialog as OK does.
bool IsOkKey(const QKeyEvent& event, const QPushButton& ok);

// "Setting Digital Channel....New", "Setting Analog Channel....Edit".
QString DialogTitle(const QString& base, DialogPurpose purpose);

// The "&Ok" / "&Cancel" row at the bottom of a channel dialog, wired to accept and reject.
QHBoxLayout* OkCancelRow(QDialog& dialog, QPushButton& ok);

std::string Text(const QLineEdit& edit);
std::string TrimmedText(const QLineEdit& edit);

}  // namespace lumoscope::ui
