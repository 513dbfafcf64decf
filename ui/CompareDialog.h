#pragma once
// "Compare With": the differences between the list as shown and another list, one row
// per change (added, removed, renamed, moved, retuned), with a summary line.
#include <QDialog>

#include "listview/ListDiff.h"

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace lumoscope::ui {

class CompareDialog : public QDialog {
  Q_OBJECT
 public:
  CompareDialog(const ListDifferences& differences, const QString& otherList, QWidget* parent = nullptr);

  QTreeWidget* Changes() const { return changes_; }
  QLabel* Summary() const { return summary_; }

  // The result of exec() when the person chose the action button.
  static constexpr int kActionChosen = 2;
  // A button beside Close that ends the dialog with kActionChosen.
  QPushButton* AddAction(const QString& text);

 private:
  QTreeWidget* changes_;
  QLabel* summary_;
  QDialogButtonBox* buttons_;
};

}  // namespace lumoscope::ui
