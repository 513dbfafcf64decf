#pragma once
// "Compare With": the differences between the list as shown and another list, one row
// per change (added, removed, renamed, moved, retuned), with a summary line.
#include <QDialog>

#include "listview/ListDiff.h"

class QLabel;
class QTreeWidget;

namespace lumoscope::ui {

class CompareDialog : public QDialog {
  Q_OBJECT
 public:
  CompareDialog(const ListDifferences& differences, const QString& otherList, QWidget* parent = nullptr);

  QTreeWidget* Changes() const { return changes_; }
  QLabel* Summary() const { return summary_; }

 private:
  QTreeWidget* changes_;
  QLabel* summary_;
};

}  // namespace lumoscope::ui
