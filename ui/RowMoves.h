#pragma once
// Moving channels from the keyboard: Move Up (Ctrl+Up), Move Down (Ctrl+Down) and Move to
// Number... (Ctrl+M) in the Edit menu. The moves themselves are the list view model's
// (same rules as dragging, one undo step each); the window asks for the number.
#include "listview/ListView.h"
#include "ui/CommandGroup.h"
#include "ui/CommandLayout.h"

namespace lumoscope::ui {

class RowMoves : public CommandGroup {
  Q_OBJECT
 public:
  RowMoves(CMainFrame& frame, CLumoscopeListView& view);

  // A loaded list in a channel view, not filtered.
  bool IsEnabled(int id) const override;
  void Execute(int id) override;
  // After Paste in the Edit menu.
  void AddMenus(QMenuBar& bar) override;

 private:
  void MoveToNumber();

  CLumoscopeListView& view_;
};

}  // namespace lumoscope::ui
