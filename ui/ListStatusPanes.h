#pragma once
// The panes of the status bar that tell about the list shown: how many rows (of how many,
// while filtered), the TV, radio and null channels among them, and the rows selected.
#include "listview/ListCounts.h"

class QLabel;
class QStatusBar;

namespace lumoscope::ui {

class ListStatusPanes {
 public:
  // Puts the panes into the bar's permanent part from index `at` on (an index of the
  // bar's widgets, the message pane included).
  ListStatusPanes(QStatusBar& bar, int at);

  void Show(const ListCounts& counts);

  QLabel* Shown() const { return shown_; }
  QLabel* Kinds() const { return kinds_; }
  QLabel* Selection() const { return selection_; }

 private:
  QLabel* shown_;
  QLabel* kinds_;
  QLabel* selection_;
};

}  // namespace lumoscope::ui
