#include "ui/RowMoves.h"

#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <array>

namespace lumoscope::ui {
namespace {

constexpr std::array<CommandGroup::Item, 3> kMoveItems{{
    {listcmd::kMoveUp, "Move &Up", "Move the selected channels one place up"},
    {listcmd::kMoveDown, "Move Do&wn", "Move the selected channels one place down"},
    {listcmd::kMoveToNumber, "&Move to Number...", "Move the selected channels to before a channel number"},
}};

constexpr const char* kNumberTitle = "Move to Number";
constexpr const char* kNumberLabel = "Move the selected channels to before number (%1 puts them at the end):";

}  // namespace

RowMoves::RowMoves(CMainFrame& frame, CLumoscopeListView& view)
    : CommandGroup(frame, kMoveItems), view_(view) {
  frame_.CommandAction(listcmd::kMoveUp)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
  frame_.CommandAction(listcmd::kMoveDown)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
  frame_.CommandAction(listcmd::kMoveToNumber)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
}

bool RowMoves::IsEnabled(int /*id*/) const {
  return view_.CanMoveRows();
}

void RowMoves::Execute(int id) {
  switch (id) {
    case listcmd::kMoveUp:
      view_.MoveSelectedBy(-1);
      return;
    case listcmd::kMoveDown:
      view_.MoveSelectedBy(+1);
      return;
    case listcmd::kMoveToNumber:
      return MoveToNumber();
    default:
      return;
  }
}

void RowMoves::MoveToNumber() {
  if (!view_.CheckSelectionMovable()) return;  // the status bar says why
  const int end = static_cast<int>(view_.LargestNumber() + 1);
  bool ok = false;
  const int number = QInputDialog::getInt(&frame_, QString::fromLatin1(kNumberTitle),
                                          QString::fromLatin1(kNumberLabel).arg(end), 1, 1, end, 1, &ok);
  if (ok) view_.MoveSelectedToNumber(number);
}

void RowMoves::AddMenus(QMenuBar& bar) {
  for (QAction* a : bar.actions()) {
    if (a->text() != QStringLiteral("&Edit")) continue;
    QMenu* edit = a->menu();
    QAction* after = frame_.CommandAction(lumoscope::cmd::kPaste);
    const QList<QAction*> items = edit->actions();
    const qsizetype at = items.indexOf(after);
    QAction* before = at >= 0 && at + 1 < items.size() ? items.at(at + 1) : nullptr;
    edit->insertSeparator(before);
    for (const CommandGroup::Item& item : kMoveItems)
      edit->insertAction(before, frame_.CommandAction(item.id));
  }
}

}  // namespace lumoscope::ui
