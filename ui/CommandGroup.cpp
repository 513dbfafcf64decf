#include "ui/CommandGroup.h"

#include <QAction>
#include <algorithm>

namespace lumoscope::ui {

CommandGroup::CommandGroup(CMainFrame& frame, std::span<const Item> items)
    : QObject(&frame), frame_(frame), items_(items) {
  for (const Item& item : items_) {
    QAction* action = frame_.EnsureCommandAction(item.id);
    action->setText(QString::fromLatin1(item.text));
    action->setStatusTip(QString::fromLatin1(item.prompt));
    action->setToolTip(QString::fromLatin1(item.prompt));
  }
}

bool CommandGroup::Handles(int id) const {
  return std::any_of(items_.begin(), items_.end(), [id](const Item& item) { return item.id == id; });
}

}  // namespace lumoscope::ui
