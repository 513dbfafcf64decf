#pragma once
// CLumoscopeListView: the list view as a view model over the working section list
// m_fields. It shows one section, or the channel view (digital or analog channels joined
// with their transponders and satellites), through an IListControl, and carries every
// editing operation: delete, insert null channels, cut, paste, drag, sort, pad, editing a
// channel in its dialog or a field of the section views in place, undo and redo. Names go
// to the control decoded to UTF-8 with the name encoding. The document drives it through
// IDocumentView; the channel logic through INewChannelHost. Its cut buffers, undo steps
// and drag state are small classes of their own (CutBuffers, UndoRing, DragState).
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/NameText.h"
#include "base/SectionLocator.h"
#include "base/Sections.h"
#include "editing/NewChannelHost.h"
#include "listview/ChannelTables.h"
#include "listview/CutBuffers.h"
#include "listview/DocumentView.h"
#include "listview/DragState.h"
#include "listview/FieldsChange.h"
#include "listview/ListControl.h"
#include "listview/ListCounts.h"
#include "listview/ProgramNumbers.h"
#include "listview/RowFilter.h"
#include "listview/UndoRing.h"
#include "listview/ViewCommands.h"

namespace lumoscope {

class IChannelDialogs;

// The key of the last sort command, 1 to 4 (0 before the first sort). Process-wide.
extern int g_sortMode;

// The upload file of the receiver; a list loaded from it has no title of its own.
inline constexpr const char* kDefaultUploadFilePath = "C:\\Windows\\Temp\\VXRupload.txt";

// Said in the status bar when rows are dragged while the list is filtered.
inline constexpr const char* kNoDragWhileFiltered =
    "Channels cannot be moved by dragging while the list is filtered; clear the filter (Esc) first.";
// The undo step of a channel moved by dragging or from the keyboard.
inline constexpr const char* kMoveUndoLabel = "Move Channel";
// Why channels are not moved from the keyboard (the status bar, or a message box after a
// number was asked for).
inline constexpr const char* kNoMoveWhileFiltered =
    "Channels cannot be moved while the list is filtered; clear the filter (Esc) first.";
inline constexpr const char* kMoveOneBlock = "Select one unbroken block of channels to move them.";
inline constexpr const char* kMoveWithinSection =
    "Service-ID channels and PID channels each move only among their own kind.";
inline constexpr const char* kNoSuchNumber = "The list has no channel number %ld.";

class CLumoscopeListView : public IDocumentView, public INewChannelHost {
 public:
  CLumoscopeListView(IListControl& control, IReporter& reporter);

  // Wiring, done by the desktop (or the command line) before use.
  void SetDocument(IViewDocument* document) { m_document = document; }
  void SetChannelDialogs(IChannelDialogs* dialogs) { m_dialogs = dialogs; }
  void SetUploadFilePath(std::string path) { m_uploadFilePath = std::move(path); }
  // The options: how names are decoded and encoded (the display is refilled), and how
  // many undo steps are kept (1 to UndoRing::kMaxDepth).
  void SetNameEncoding(NameEncoding encoding);
  void SetUndoDepth(size_t depth) { m_undo.SetDepth(depth); }
  size_t UndoDepth() const { return m_undo.Depth(); }
  // First display: report mode, grid lines, image lists.
  void OnInitialUpdate();

  // --- IDocumentView
  void NotifyChangesStored() override;
  bool ReloadFields() override { return Reload(); }
  void ResetUndo() override;
  // Whoever takes the list to change it refreshes the view afterwards (RefreshWithRenumber
  // or RefreshKeepingNumbers, which build everything anew).
  std::vector<std::string>& Fields() override {
    m_undo.ForgetCurrent();
    m_tablesStale = true;
    return m_fields;
  }
  // The list to read: reading it this way keeps what the view knows of it.
  const std::vector<std::string>& Fields() const { return m_fields; }
  bool IsModified() const override { return m_modified; }
  void NotifySaved() override;
  // Loads the list from the database's text file into m_fields; a file the loader
  // refuses leaves m_fields, the display and the database's path as they were.
  bool Reload();

  // --- INewChannelHost
  bool ShowDigital() const override { return m_showDigital; }
  void PushUndo(const std::string& label) override;
  void DropUndo() override;
  void RevertToUndoStep() override;
  void RefreshWithRenumber() override { Refresh(true); }
  void RefreshKeepingNumbers() override { Refresh(false); }
  IReporter& Reporter() override { return *m_reporter; }
  const NameCodec& Names() const override { return m_names; }

  // --- Display
  // After every refill (and every filter change) the listener hears of it, so the
  // window can bring its counts up to date.
  void SetShownListener(std::function<void()> listener) { m_shownListener = std::move(listener); }
  void FillList();
  void BuildChannelTables();
  void Renumber();
  // [Renumber,] BuildChannelTables, FillList. An edit that says what it changed has only
  // the rows it touched rebuilt and refilled (and the numbers that changed), with the same
  // result.
  void Refresh(bool renumber, const FieldsChange& change = FieldsChange::Whole());
  // The same for a change that moved no section marker (`sections` are those of the list).
  void Refresh(bool renumber, const FieldsChange& change, const SectionLocator& sections);

  // --- Commands
  bool IsCommandEnabled(int id) const;
  bool IsCommandChecked(int id) const;
  // The changing menu texts: Undo's, Redo's and the digital/analog switch's; empty
  // otherwise.
  std::string CommandText(int id) const;
  // Carries out a command of the view; false when it is not the view's or disabled.
  bool ExecuteCommand(int id);

  // --- Row editing (channel view)
  // A key-down from the list control; true when the view consumed it.
  bool OnKeyDown(ViewKey key);
  long RowToFieldIndex(int row, bool digital) const;
  void DeleteRow(int row, bool digital);
  void InsertNullRow(int row, bool digital);
  void CutRow(int row, bool digital);
  bool PasteRows(int row, bool digital);

  // --- Editing what is in the list. Rows are those the control shows (through the
  // filter). A channel (a row of the channel view, or of the CHANNEL or CHANNEL_PID
  // section view) opens in its dialog; true when it was changed.
  bool EditChannelAt(int row);
  // The cells of the satellite names, satellites, digital and analog transponders are
  // edited in place (not their index fields). Texts are UTF-8, as the cells show them.
  bool IsCellEditable(int row, int column) const;
  // A refused value changes nothing and is told to the person (field and reason); false.
  bool EditCell(int row, int column, const std::string& text);

  // --- Undo and redo
  void Undo();
  void Redo();
  int UndoCount() const { return static_cast<int>(m_undo.Count()); }
  bool UndoAvailable() const { return !m_undo.Empty(); }
  int RedoCount() const { return static_cast<int>(m_undo.RedoCount()); }
  bool RedoAvailable() const { return m_undo.RedoCount() > 0; }

  // --- Sorting (uses g_sortMode)
  void SortChannels();

  // --- Group move by drag. Mouse positions in client coordinates; the button-down
  // and button-up handlers return whether the control should process the event.
  bool OnLButtonDown(ClientPoint point);
  void OnBeginDrag();
  void OnMouseMove();
  void OnLButtonUp(ClientPoint point);
  void MoveRecord(int from, int to);

  // --- Moves from the keyboard (channel view, the filter off): the selected rows, one
  // unbroken block, one place up (places -1) or down (+1), or to directly above the row
  // numbered `number` (the number after the largest: to the end), under the rules of
  // dragging. Each is one undo step ("Move Channel"); the moved rows end selected and in
  // view. A refusal says why (the status bar; a message box for a number); false then.
  bool CanMoveRows() const;
  // Whether the selected rows may move now; when not, the status bar says why.
  bool CheckSelectionMovable() const { return SelectedBlock().has_value(); }
  bool MoveSelectedBy(int places);
  bool MoveSelectedToNumber(long number);
  // The largest channel number of the display shown.
  long LargestNumber() const;

  // --- Filter (the rows of the display shown whose number, name, SVC ID, frequency,
  // bouquet or satellite contain the text, in any case; in a section, any field). The
  // rows the control shows are those rows; every row command takes the rows shown and
  // acts on their own records. The filter stays until it is cleared, through every change;
  // the rows selected stay selected where they are shown when the text changes or goes.
  void SetFilter(const std::string& textUtf8);
  const std::string& FilterText() const { return m_filter.Text(); }
  bool Filtered() const { return m_filter.Active(); }
  // A row shown by the control as a row of the whole display, and back (-1: none, or
  // hidden by the filter).
  int FullRow(int shownRow) const { return m_filter.FullRow(shownRow); }
  int ShownRow(int fullRow) const { return m_filter.ShownRow(fullRow); }
  // The counts of the status bar, for the rows shown and the rows selected.
  ListCounts Counts() const;
  // Keyboard search: the first row shown from `fromShownRow` on (going round to the top)
  // whose name starts with `typedUtf8`, in any case; -1 for none.
  int FindName(const std::string& typedUtf8, int fromShownRow) const;

  // --- Padding and closing
  // False when the padding was refused because the list would be too long.
  bool PadToHundreds();
  void RevertPadding();
  void SaveOnClose();

  // --- View state. The view type is 0 for the channel view, else the code of the
  // section shown (1 satellite names ... 6 PID channels).
  int ViewType() const { return m_viewType; }
  void SetViewType(int type) { m_viewType = type; }
  void SetShowDigital(bool digital) { m_showDigital = digital; }
  bool RenumberAfterSort() const { return m_renumberAfterSort; }
  void SetRenumberAfterSort(bool on) { m_renumberAfterSort = on; }
  bool SortAscending() const { return m_sortAscending; }
  void SetSortAscending(bool on) { m_sortAscending = on; }
  bool GroupMoveEnabled() const { return m_groupMoveEnabled; }
  bool Dragging() const { return m_drag.Dragging(); }
  bool PadUndoAvailable() const { return m_padUndoAvailable; }
  int DetailColumns() const { return m_detailColumns; }
  const std::vector<std::string>& DigitalRows() const { return m_digitalRows; }
  const std::vector<std::string>& AnalogRows() const { return m_analogRows; }
  // Records in the cut buffer of a kind (DigitalChannel, PidChannel, AnalogTp).
  int CutCount(Section kind) const { return m_cut.Count(kind); }
  bool IsLoaded() const;

 private:
  // Rows of the current channel view, and the kinds behind them.
  long RowToFieldIndexIn(const SectionLocator& sections, int row, bool digital) const;
  // The selected rows as rows of the whole display (through the filter), ascending.
  std::vector<int> SelectedRows() const;
  // The first selected row as the control shows it; -1 for none.
  int FirstSelectedShownRow() const;
  int LastVisibleRow() const;
  int RowAt(ClientPoint point) const;
  bool WouldOverflow(long addDigital, long addAnalog) const;
  bool ExceedsLimits() const { return WouldOverflow(0, 0); }
  void MarkClean();
  void Restore(const std::optional<UndoRing::Restored>& restored);
  // The first string of the channel record at `row` of the whole display, or -1.
  long ChannelRecordAt(int row) const;
  // After an edit: these rows of the whole display (ascending) are the ones selected, the
  // first focused and the block in view; rows the filter hides stay unselected.
  void ShowRows(const std::vector<int>& fullRows);
  // The display shown, as the undo steps remember it.
  int DisplayCode() const { return m_viewType * 2 + (m_showDigital ? 1 : 0); }
  UndoRing::Place CurrentPlace() const { return {DisplayCode(), SelectedRows()}; }
  // PushUndo, while `readOnly` works out an edit without changing the list or the undo
  // steps. When the step must read every string of the list, it is taken on another
  // core in the meantime.
  void PushUndoWhile(const std::string& label, const std::function<void()>& readOnly);
  std::vector<std::string> NullRecordFrom(long first, Section kind) const;

  // Keys; each gives what it changed, for the refresh.
  FieldsChange DeleteRows(const std::vector<int>& rows);
  FieldsChange InsertNullRows(int row, size_t count);
  FieldsChange CutRows(const std::vector<int>& rows);
  long PasteSize(int row, bool digital) const;
  // The strings pasted before the row's record; nothing when nothing of its kind was cut.
  std::optional<FieldsSplice> PasteAt(int row, bool digital);

  // Sorting and moving without the refresh
  FieldsChange SortInPlace(int mode, const SectionLocator& sections);
  // Its parts: the joined rows the mode reads brought up to date, and the new orders
  // worked out (the list as it was).
  void PrepareSort(int mode);
  FieldsChange SortOrders(int mode, const SectionLocator& sections) const;
  void PadSection(Section section);
  // The strings the move put in another order (nothing when it moved nothing).
  std::optional<FieldsSplice> MoveRecordInPlace(int from, int to);
  void Drop(ClientPoint point);
  // The selected block for a keyboard move, with the rows [begin, end) of the display it
  // may move among; nothing (the status bar says why) when it may not move.
  struct MoveBlock {
    int first;
    int count;
    int begin;
    int end;
  };
  std::optional<MoveBlock> SelectedBlock() const;
  // Moves the block to directly above row `before` (begin..end) in one undo step.
  bool MoveBlockBefore(const MoveBlock& block, int before);

  // Renumber, telling the undo steps' copy of the list each number it writes. Numbers
  // move no section, so `sections` stay those of the list.
  void NumberChannels(const SectionLocator& sections);
  // Refresh without telling the undo steps' copy of the list (an undo or redo has set it).
  void RefreshRows(bool renumber, const FieldsChange& change, const SectionLocator& sections);
  // The refresh of the rows a change touched; false when it cannot be done so and
  // everything must be built anew.
  bool RefreshInPlace(const FieldsChange& change, const SectionLocator& sections);
  // Whether the control shows every row of the channel view as it was last filled.
  bool ControlShowsChannelRows() const;

  // Filter helpers: the rows of the display and the text each is searched in.
  void ApplyFilter();
  size_t DisplayRows() const;
  std::string SearchText(size_t row) const;
  // The name of a row of the whole display, as the person reads it.
  std::string RowName(size_t row) const;

  // Display helpers
  void FillColumns(const char* const* titles, const int* widths, int count);
  void FillSectionView(Section section);
  void FillChannelView();
  // A row of the channel view: its icon, and the cells after the first (the number):
  // those of joined row `row`, and its program number.
  static int ChannelImage(const std::string* row, bool digital);
  void FillChannelCells(int item, size_t row, bool digital);

  IListControl* m_control;
  IReporter* m_reporter;
  IViewDocument* m_document = nullptr;
  IChannelDialogs* m_dialogs = nullptr;
  std::string m_uploadFilePath = kDefaultUploadFilePath;

  // The working section list, and the joined tables rebuilt from it after every change.
  std::vector<std::string> m_fields;
  std::vector<std::string> m_digitalRows;
  std::vector<std::string> m_analogRows;
  // Where the sections stood when the tables were last brought up to date, and whether
  // the list was given out for changes since (the tables may then be out of date).
  std::optional<SectionLocator> m_tableSections;
  bool m_tablesStale = true;
  // The receiver's program number of each joined row, shown in the views' last column.
  ProgramNumbers m_programNumbers;
  // Counts the rebuilds of the tables and the changes of the name encoding: the filter's
  // search texts belong to one of them.
  uint64_t m_tablesGeneration = 0;
  // What the control was last filled with: the view type and channel kind, and whether a
  // filter chose the rows.
  struct FilledDisplay {
    int viewType;
    bool digital;
    bool filtered;
    bool operator==(const FilledDisplay&) const = default;
  };
  std::optional<FilledDisplay> m_filled;
  RowFilter m_filter;
  std::function<void()> m_shownListener;

  int m_viewType = 0;
  bool m_showDigital = true;
  int m_detailColumns = 0;
  bool m_renumberAfterSort = true;
  bool m_sortAscending = true;
  bool m_groupMoveEnabled = true;
  DragState m_drag;

  std::array<int, kDigitalViewColumns> m_digitalWidths{};
  std::array<int, kAnalogViewColumns> m_analogWidths{};

  UndoRing m_undo;
  // Whether the list differs from what is stored; an undo or redo step gives back the
  // state its list had.
  bool m_modified = false;
  // The list was opened as modified: it wants saving, which would drop text the person
  // wrote in it, so that was left to the person. Cleared by the next save.
  bool m_loadedModified = false;
  NameCodec m_names;

  CutBuffers m_cut;

  std::vector<std::string> m_padSnapshot;
  bool m_padUndoAvailable = false;
};

}  // namespace lumoscope
