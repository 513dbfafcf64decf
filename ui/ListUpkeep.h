#pragma once
// The window's commands that keep a list in shape: ordering it like a reference (another
// list, or a file of channel names), tidying it up, and comparing it with another list.
// They sit at the end of the Edit menu; the work itself is the list view layer's.
#include "listview/ListView.h"
#include "ui/CommandGroup.h"

namespace lumoscope::ui {

namespace upkeepcmd {
inline constexpr int kOrderLike = 32890;
inline constexpr int kTidyUp = 32891;
inline constexpr int kCompareWith = 32892;
}  // namespace upkeepcmd

class ListUpkeep : public CommandGroup {
  Q_OBJECT
 public:
  ListUpkeep(CMainFrame& frame, CLumoscopeListView& view);

  // Each needs a list.
  bool IsEnabled(int id) const override;
  void Execute(int id) override;

  // The three commands at the end of the Edit menu.
  void AddMenus(QMenuBar& bar) override;

 private:
  void OrderLike();
  void TidyUp();
  void CompareWith();
  std::string ListFolder() const;

  CLumoscopeListView& view_;
};

}  // namespace lumoscope::ui
