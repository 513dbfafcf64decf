#pragma once
// The commands the list view handles, as data the desktop binds to menus and buttons:
// identifier, prompt (status text and tooltip), action, enable rule and check mark.
#include <span>

namespace lumoscope {

namespace cmd {
inline constexpr int kReloadFields = 32778;
inline constexpr int kViewSatNames = 32779;
inline constexpr int kViewSatellites = 32780;
inline constexpr int kViewDigitalTps = 32781;
inline constexpr int kViewDigitalChannels = 32782;
inline constexpr int kViewPidSection = 32783;
inline constexpr int kViewAnalogChannels = 32784;
inline constexpr int kToggleDigitalAnalog = 32789;
inline constexpr int kToggleGroupMove = 32790;
inline constexpr int kViewChannelSection = 32793;
inline constexpr int kViewAnalogSection = 32794;
inline constexpr int kSortSatTypeName = 32801;
inline constexpr int kSortName = 32802;
inline constexpr int kToggleRenumber = 32805;
inline constexpr int kSortSatTypeFreqName = 32806;
inline constexpr int kToggleAscending = 32807;
inline constexpr int kNewChannel = 32808;
inline constexpr int kToggleDetail = 32809;
inline constexpr int kPadToHundreds = 32814;
inline constexpr int kRevertPadding = 32815;
inline constexpr int kInsertNull = 32817;
inline constexpr int kDelete = 32821;
inline constexpr int kUndo = 32845;
inline constexpr int kSortSatTypeBouquetName = 32846;
inline constexpr int kCut = 32848;
inline constexpr int kPaste = 32849;
// Redo and editing a channel in its dialog, numbered after the commands above so that no
// identifier stands for two commands.
inline constexpr int kRedo = 32860;
inline constexpr int kEditChannel = 32861;
}  // namespace cmd

enum class ViewAction {
  Reload,
  ShowView,     // m_viewType := viewType (and m_showDigital := showDigital for the channel view)
  FlipDigital,  // channel view with the other channel kind
  FlipGroupMove,
  Sort,  // g_sortMode := sortMode
  FlipRenumber,
  FlipAscending,
  PostKey,  // the key press of the row editing
  ToggleDetail,
  Pad,
  RevertPad,
  Undo,
  Redo,
};

enum class EnableRule {
  Always,
  Loaded,
  LoadedChannelView,  // loaded and m_viewType = 0
  PadUndoAvailable,
  UndoAvailable,
  RedoAvailable,
  PasteAvailable,  // loaded, channel view, and the cut buffer of the shown kind holds a record
  ChannelRows,     // loaded, and the view shows channels (the channel view or a channel section)
};

enum class CheckRule {
  None,
  ViewType,  // m_viewType = viewType (and m_showDigital = showDigital when viewType is 0)
  GroupMove,
  RenumberAfterSort,
  SortAscending,
  DetailColumns,
};

// Enter opens the selected channel's dialog (also in the channel sections' views).
enum class ViewKey { Delete, Insert, F2, F3, F4, Enter, Other };

struct ViewCommand {
  int id;
  const char* prompt;  // status-bar text, or nullptr for commands without a prompt
  bool tooltip;        // the prompt is also the tooltip
  ViewAction action;
  EnableRule enable;
  CheckRule check;
  int viewType;     // ShowView and the ViewType check
  int showDigital;  // ShowView of the channel view and its check
  int sortMode;     // Sort
  ViewKey key;      // PostKey
};

std::span<const ViewCommand> ViewCommands();
const ViewCommand* FindViewCommand(int id);

}  // namespace lumoscope
