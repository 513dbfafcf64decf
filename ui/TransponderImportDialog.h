#pragma once
// "Import Transponders": the satellite the transponders go to (one of the list's, or a
// new one made from the table's name), and the DVB scan table, picked from those
// installed (preselected to fit the satellite) or chosen as a file.
#include <QDialog>
#include <string>
#include <vector>

#include "editing/TransponderImport.h"
#include "listview/SatelliteChoices.h"
#include "shell/FileChooser.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lumoscope::ui {

class TransponderImportDialog : public QDialog {
  Q_OBJECT
 public:
  // `selected` is the position in `satellites` to start with (or -1: the first); their
  // names are shown decoded with `names`. The tables are those of `tableFolder`;
  // `chooser` asks for a table file.
  TransponderImportDialog(std::vector<SatelliteChoice> satellites, int selected, const NameCodec& names,
                          std::string tableFolder, IFileChooser& chooser, QWidget* parent = nullptr);

  // After OK: where the transponders go, and the table's file.
  ImportTarget Target() const;
  std::string TablePath() const;

  QComboBox* SatelliteList() const { return satellite_; }
  QListWidget* TableList() const { return tables_; }
  QLineEdit* Filter() const { return filter_; }
  QLabel* Note() const { return note_; }
  QPushButton* ChooseFileButton() const { return chooseFile_; }
  QDialogButtonBox* Buttons() const { return buttons_; }

 private:
  void PreselectTable();
  void ApplyFilter(const QString& text);
  void ChooseFile();
  void UpdateOk();

  std::vector<SatelliteChoice> satellites_;
  std::vector<std::string> tableNames_;
  std::string tableFolder_;
  IFileChooser& chooser_;
  QComboBox* satellite_;
  QLineEdit* filter_;
  QListWidget* tables_;
  QLabel* note_;
  QPushButton* chooseFile_;
  QDialogButtonBox* buttons_;
};

}  // namespace lumoscope::ui
