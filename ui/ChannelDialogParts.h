#pragma once
// Pieces both channel dialogs are built from: the frame they share (OK and Cancel, the
// keys that close a dialog as OK does, the refusal of a form), the Satellite group (the
// satellite list and the read-only data of the selected satellite), and pairs of radio
// buttons.
#include <QDialog>
#include <QGroupBox>
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "editing/ChannelForms.h"

class QComboBox;
class QHBoxLayout;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumoscope {
class IReporter;
}

namespace lumoscope::ui {

// What the two channel dialogs share: the name encoding, whether the dialog makes a new
// channel or edits one, the OK and Cancel row (Insert, and Delete on OK, close it as OK
// does), and the refusal of a form: the person is told why and the dialog stays open.
class ChannelDialogFrame : public QDialog {
 public:
  ChannelDialogFrame(const QString& title, const ChannelDialogSetup& setup, IReporter& reporter,
                     QWidget* parent);

 protected:
  // The groups from top to bottom, then the OK and Cancel row.
  void Lay(std::initializer_list<QWidget*> groups);
  // Closes as OK unless there is a problem, which the person is told.
  void AcceptUnless(const std::optional<std::string>& problem);
  bool Editing() const { return purpose_ == DialogPurpose::Edit; }
  const NameCodec& Names() const { return names_; }
  void keyPressEvent(QKeyEvent* event) override;

 private:
  NameCodec names_;
  DialogPurpose purpose_;
  IReporter& reporter_;
  QPushButton* ok_;
};

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

// "Setting Digital Channel....New", "Setting Analog Channel....Edit".
QString DialogTitle(const QString& base, DialogPurpose purpose);

std::string Text(const QLineEdit& edit);
std::string TrimmedText(const QLineEdit& edit);

}  // namespace lumoscope::ui
