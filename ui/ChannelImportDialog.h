#pragma once
// "Import Scanned Channels": the satellite the services of a channel file go to, and
// whether they become PID channels and whether encrypted ones are taken too. The file has
// been read before; the dialog says what it holds.
#include <QDialog>
#include <string>
#include <vector>

#include "editing/ChannelImport.h"
#include "listview/SatelliteChoices.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;

namespace lumoscope::ui {

class ChannelImportDialog : public QDialog {
  Q_OBJECT
 public:
  // `selected` is the position in `satellites` to start with (or -1: the first); their
  // names are shown decoded with `names`. `file` says what the channel file holds.
  ChannelImportDialog(std::vector<SatelliteChoice> satellites, int selected, const NameCodec& names,
                      const QString& file, QWidget* parent = nullptr);

  // After Import: the satellite and the choices.
  ChannelImportOptions Options() const;

  QComboBox* SatelliteList() const { return satellite_; }
  QCheckBox* PidsBox() const { return pids_; }
  QCheckBox* EncryptedBox() const { return encrypted_; }
  QDialogButtonBox* Buttons() const { return buttons_; }

 private:
  std::vector<SatelliteChoice> satellites_;
  QComboBox* satellite_;
  QCheckBox* pids_;
  QCheckBox* encrypted_;
  QDialogButtonBox* buttons_;
};

}  // namespace lumoscope::ui
