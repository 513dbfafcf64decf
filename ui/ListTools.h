#pragma once
// The window's commands that take the list beyond single edits: importing transponders
// from a DVB scan table and channels from the channel file of a scan, exporting the
// channels, and printing them (on paper, in a
// preview, or into a PDF file). They live in the File and Edit menus; Print is also the
// toolbar's printer button.
#include <string>

#include "listview/ListControl.h"
#include "listview/ListView.h"
#include "listview/SatelliteChoices.h"
#include "ui/ChannelListPrinter.h"
#include "ui/CommandGroup.h"
#include "ui/CommandLayout.h"

class QMenuBar;

namespace lumoscope::ui {

namespace toolcmd {
inline constexpr int kImportTransponders = 32880;
inline constexpr int kExport = 32881;
inline constexpr int kSaveAsPdf = 32882;
inline constexpr int kPrint = kPrintCommand;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kImportChannels = 32884;
}  // namespace toolcmd

class ListTools : public CommandGroup {
  Q_OBJECT
 public:
  ListTools(CMainFrame& frame, CLumoscopeListView& view, IListControl& control);

  // Each needs a list.
  bool IsEnabled(int id) const override;
  void Execute(int id) override;

  // The import of scanned channels, export and printing in the File menu, the import of
  // transponders at the end of the Edit menu.
  void AddMenus(QMenuBar& bar) override;

  // Where the installed scan tables are looked for (tests point it elsewhere).
  void SetScanTableFolder(std::string folder) { scanTableFolder_ = std::move(folder); }

  // The printout of the list as it is now, headed by the list's file name.
  ChannelListPrinter Printer();

 private:
  void ImportTransponders();
  void ImportChannels();
  // The position in the satellite choices of the satellite selected in the list, or -1.
  int SelectedSatellite(const std::vector<SatelliteChoice>& satellites);
  void Export();
  void PrintList();
  void PrintPreview();
  void SaveAsPdf();

  CLumoscopeListView& view_;
  IListControl& control_;
  std::string scanTableFolder_;
};

}  // namespace lumoscope::ui
