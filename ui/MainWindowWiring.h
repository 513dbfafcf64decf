#pragma once
// Wires the main window together: the frame with the channel list as its one view, the
// list view model between the list and the document, the channel dialogs, the list's
// menus and the routing of the list view's commands. main() and the window tests build
// the program through this one object, so they run the same wiring.
#include <QObject>
#include <memory>
#include <string>

#include "listview/ListView.h"
#include "shell/FileChooser.h"
#include "shell/SettingsStore.h"
#include "ui/ChannelListWidget.h"
#include "ui/CommandLayout.h"
#include "ui/FilterBar.h"
#include "ui/ListStatusPanes.h"
#include "ui/ListTools.h"
#include "ui/ListUpkeep.h"
#include "ui/MainFrame.h"
#include "ui/QtChannelDialogs.h"
#include "ui/RowMoves.h"

class QMenu;

namespace lumoscope::ui {

class MainWindowWiring : public QObject {
  Q_OBJECT
 public:
  // `uploadPath` is the fixed file uploads go to; the document writes it and the list
  // view names a list loaded from it "Untitled". `chooser` may be null (file dialogs).
  MainWindowWiring(ISettingsStore& settings, std::string uploadPath, IFileChooser* chooser = nullptr);
  ~MainWindowWiring() override;

  MainWindowWiring(const MainWindowWiring&) = delete;
  MainWindowWiring& operator=(const MainWindowWiring&) = delete;

  CMainFrame& Frame() { return *frame_; }
  ChannelListWidget& List() { return *list_; }
  CLumoscopeListView& View() { return *view_; }
  CLumoscopeDoc& Document() { return frame_->Document(); }
  ListUpkeep& Upkeep() { return *upkeep_; }
  ListTools& Tools() { return *tools_; }
  RowMoves& Moves() { return *moves_; }
  FilterBar& Filter() { return *filterBar_; }
  ListStatusPanes& StatusPanes() { return *panes_; }

  // Opens a list as Open does after its file dialog, and brings the commands up to date.
  bool OpenFile(const std::string& path);

  // The command that shows the display the list is on now (a section, or the digital or
  // analog channels).
  int CurrentViewCommand() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BindCommands();
  // The group of the window's own commands that `id` belongs to, or null.
  CommandGroup* GroupOf(int id) const;
  void AddListMenus();
  void ApplyColours(const ListColours& colours);
  void ApplyOptions(const AppOptions& options);
  // Refreshes enable, check and text states once the event under way is finished.
  void ScheduleCommandUpdate();
  // Brings the status bar's counts up to date once the event under way is finished.
  void ScheduleStatusUpdate();
  void UpdateStatus();

  std::unique_ptr<CMainFrame> frame_;
  ChannelListWidget* list_ = nullptr;  // owned by the frame
  FilterBar* filterBar_ = nullptr;     // owned by the frame
  std::unique_ptr<ListStatusPanes> panes_;
  std::unique_ptr<CLumoscopeListView> view_;
  std::unique_ptr<QtChannelDialogs> dialogs_;
  ListUpkeep* upkeep_ = nullptr;  // owned by the frame
  ListTools* tools_ = nullptr;    // owned by the frame
  RowMoves* moves_ = nullptr;     // owned by the frame
  bool coloursApplied_ = false;
  bool updatePending_ = false;
  bool statusPending_ = false;
  bool fillStale_ = true;  // the list changed since its fill was last shown
};

}  // namespace lumoscope::ui
