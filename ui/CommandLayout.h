#pragma once
// Where the commands sit in the window: the button bar's two rows, the toolbar's order
// with its separators, and the two items of the Edit menu.
#include <array>

namespace lumoscope::ui {

namespace viewcmd {
// Commands of the list view, bound to it when the list is in the window.
inline constexpr int kViewSatellites = 32780;
inline constexpr int kViewDigital = 32782;
inline constexpr int kViewAnalog = 32784;
inline constexpr int kSortSatTypeName = 32801;
inline constexpr int kSortSatTypeFreqName = 32806;
inline constexpr int kSortSatTypeBouquetName = 32846;
inline constexpr int kMakeNewChannel = 32808;
inline constexpr int kInsertNullChannel = 32817;
inline constexpr int kDeleteChannel = 32821;
inline constexpr int kUndo = 32845;
}  // namespace viewcmd

// The window's own commands of the list.
namespace listcmd {
// Shows the filter field above the list (Ctrl+F).
inline constexpr int kFilter = 32883;
// Moves the selected channels one place up (Ctrl+Up), down (Ctrl+Down), or to before a
// number (Ctrl+M).
inline constexpr int kMoveUp = 32875;
inline constexpr int kMoveDown = 32876;
inline constexpr int kMoveToNumber = 32877;
}  // namespace listcmd

// Framework commands the toolbar carries that no command of this program answers
// (printing), and context help.
inline constexpr int kPrintCommand = 57607;
inline constexpr int kContextHelpCommand = 57669;
// Quit (Ctrl+Q) in the File menu: the same as the menu bar's Exit.
inline constexpr int kQuitCommand = 57665;

inline constexpr int kSeparator = 0;

struct ButtonEntry {
  int id;
  const char* label;
};

inline constexpr std::array<ButtonEntry, 4> kButtonRowOne{{
    {57601, "Open"},
    {32788, "Download Current CH. List"},
    {32813, "Download Others(bin,hex)"},
    {32800, "Upload"},
}};
inline constexpr std::array<ButtonEntry, 4> kButtonRowTwo{{
    {viewcmd::kViewDigital, "View Digital Channel"},
    {viewcmd::kViewAnalog, "View Analog Channel"},
    {32812, "Option"},
    {57664, "About"},
}};

inline constexpr std::array kToolbarLayout{
    57601,
    57603,
    57604,
    kSeparator,  //
    kPrintCommand,
    kSeparator,  //
    57664,
    kContextHelpCommand,
    kSeparator,  //
    32787,
    32797,
    32816,
    kSeparator,  //
    32788,
    32813,
    kSeparator,  //
    32800,
    kSeparator,  //
    viewcmd::kMakeNewChannel,
    viewcmd::kInsertNullChannel,
    viewcmd::kDeleteChannel,
    viewcmd::kUndo,
    kSeparator,
    viewcmd::kSortSatTypeName,
    viewcmd::kSortSatTypeFreqName,
    viewcmd::kSortSatTypeBouquetName,
    kSeparator,
    viewcmd::kViewDigital,
    viewcmd::kViewAnalog,
    viewcmd::kViewSatellites,
    kSeparator,  //
    32812,
};

// Prompts of the list view's commands carried by the window, shown until the list
// view's own table is bound.
struct ViewCommandText {
  int id;
  const char* prompt;
};
inline constexpr std::array<ViewCommandText, 10> kViewCommandTexts{{
    {viewcmd::kViewSatellites, "View Satellite Infomation"},
    {viewcmd::kViewDigital, "View Digital Channel"},
    {viewcmd::kViewAnalog, "View Analog Channel"},
    {viewcmd::kSortSatTypeName, "Sort by Satellite >> Type >> Channel Name"},
    {viewcmd::kSortSatTypeFreqName, "Sort by Satellite >> Type >> Frequency >> Channel Name"},
    {viewcmd::kSortSatTypeBouquetName, "Sort by Satellite >> Type >> Bouquet >> Channel Name"},
    {viewcmd::kMakeNewChannel, "Make New Channel"},
    {viewcmd::kInsertNullChannel, "Insert Null Channel at Selected Position(s)"},
    {viewcmd::kDeleteChannel, "Delete Selected Channel(s)"},
    {viewcmd::kUndo, "Undo"},
}};

}  // namespace lumoscope::ui
