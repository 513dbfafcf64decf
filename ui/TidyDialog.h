#pragma once
// "Tidy Up": what a tidy-up would remove from the list, chosen with check boxes, and the
// exact records that will go shown before anything changes. Duplicates are offered
// checked. Unused transponders are offered unchecked: right after Import Transponders a
// list has many that no channel uses yet, put there on purpose. Null channels are kept
// places a technician pads on purpose and are offered unchecked too. Channels of one
// transponder with the same name are only shown: they may be wanted.
#include <QDialog>
#include <string>
#include <vector>

#include "listview/ListTidy.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace lumoscope::ui {

class TidyDialog : public QDialog {
  Q_OBJECT
 public:
  // `fields` is the list as shown; it must outlive the dialog.
  // The plan's lines name channels with `names`.
  TidyDialog(const std::vector<std::string>& fields, const ListFindings& findings, const NameCodec& names,
             QWidget* parent = nullptr);

  // What the checked boxes remove.
  const TidyPlan& Plan() const { return plan_; }

  QCheckBox* DuplicatesBox() const { return duplicates_; }
  QCheckBox* UnusedTranspondersBox() const { return unusedTransponders_; }
  QCheckBox* NullChannelsBox() const { return nullChannels_; }
  QPlainTextEdit* Preview() const { return preview_; }
  QPushButton* RemoveButton() const { return remove_; }

 private:
  void UpdatePlan();

  const std::vector<std::string>& fields_;
  NameCodec names_;
  TidyPlan plan_;
  QCheckBox* duplicates_;
  QCheckBox* unusedTransponders_;
  QCheckBox* nullChannels_;
  QPlainTextEdit* preview_;
  QPushButton* remove_;
};

}  // namespace lumoscope::ui
