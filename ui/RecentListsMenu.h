#pragma once
// The menu of the lists opened last, beside Open in the menu bar. Lists whose file is
// gone are taken off when the menu opens (the status bar says which), or when one of
// them is chosen after it went (a message says so).
#include <QObject>
#include <functional>
#include <string>

#include "base/Reporter.h"
#include "shell/RecentLists.h"

class QMenu;
class QMenuBar;

namespace lumoscope::ui {

class RecentListsMenu final : public QObject {
  Q_OBJECT
 public:
  // Adds the menu at the end of `bar`; `open` opens a chosen list.
  RecentListsMenu(QMenuBar& bar, RecentLists& recent, IReporter& reporter,
                  std::function<void(const std::string&)> open);

  QMenu* Menu() const { return menu_; }
  // Fills the menu from the recent lists, as it is about to show.
  void Rebuild();

 private:
  void Choose(const std::string& path);

  QMenu* menu_;
  RecentLists& recent_;
  IReporter& reporter_;
  std::function<void(const std::string&)> open_;
};

}  // namespace lumoscope::ui
