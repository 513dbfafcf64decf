#pragma once
// The panes of the status bar that tell about the list shown: how many rows (of how many,
// while filtered), the TV, radio and null channels among them, the rows selected, and how
// full the list makes the receiver ("Fits: 81% of the receiver's memory"; in a warning
// colour, with each figure past its limit in the tooltip, when it does not fit).
#include "database/ListFill.h"
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
  // The list's fill; none hides the pane (no list loaded).
  void ShowFill(const ListFill* fill);

  QLabel* Shown() const { return shown_; }
  QLabel* Kinds() const { return kinds_; }
  QLabel* Selection() const { return selection_; }
  QLabel* Fill() const { return fill_; }

 private:
  QLabel* shown_;
  QLabel* kinds_;
  QLabel* selection_;
  QLabel* fill_;
};

}  // namespace lumoscope::ui
