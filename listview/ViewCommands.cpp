#include "listview/ViewCommands.h"

#include <array>

namespace lumoscope {

namespace {

using A = ViewAction;
using E = EnableRule;
using C = CheckRule;
using K = ViewKey;

constexpr std::array<ViewCommand, 28> kCommands{{
    {cmd::kReloadFields, nullptr, false, A::Reload, E::Loaded, C::None, 0, 0, 0, K::Other},
    {cmd::kViewSatNames, nullptr, false, A::ShowView, E::Loaded, C::ViewType, 1, 0, 0, K::Other},
    {cmd::kViewSatellites, "View Satellite Infomation", true, A::ShowView, E::Loaded, C::ViewType, 2, 0, 0,
     K::Other},
    {cmd::kViewDigitalTps, nullptr, false, A::ShowView, E::Loaded, C::ViewType, 3, 0, 0, K::Other},
    {cmd::kViewDigitalChannels, "View Digital Channel", true, A::ShowView, E::Loaded, C::ViewType, 0, 1, 0,
     K::Other},
    {cmd::kViewPidSection, nullptr, false, A::ShowView, E::Loaded, C::ViewType, 6, 0, 0, K::Other},
    {cmd::kViewAnalogChannels, "View Analog Channel", true, A::ShowView, E::Loaded, C::ViewType, 0, 0, 0,
     K::Other},
    {cmd::kToggleDigitalAnalog, nullptr, false, A::FlipDigital, E::Always, C::None, 0, 0, 0, K::Other},
    {cmd::kToggleGroupMove, nullptr, false, A::FlipGroupMove, E::Loaded, C::GroupMove, 0, 0, 0, K::Other},
    {cmd::kViewChannelSection, nullptr, false, A::ShowView, E::Loaded, C::ViewType, 5, 0, 0, K::Other},
    {cmd::kViewAnalogSection, nullptr, false, A::ShowView, E::Loaded, C::ViewType, 4, 0, 0, K::Other},
    {cmd::kSortSatTypeName, "Sort by Satellite >> Type >> Channel Name", true, A::Sort, E::Loaded, C::None, 0,
     0, 1, K::Other},
    {cmd::kSortSatTypeFreqName, "Sort by Satellite >> Type >> Frequency >> Channel Name", true, A::Sort,
     E::Loaded, C::None, 0, 0, 2, K::Other},
    {cmd::kSortSatTypeBouquetName, "Sort by Satellite >> Type >> Bouquet >> Channel Name", true, A::Sort,
     E::Loaded, C::None, 0, 0, 3, K::Other},
    {cmd::kSortName, "Sort by  Channel Name", false, A::Sort, E::Loaded, C::None, 0, 0, 4, K::Other},
    {cmd::kToggleRenumber, nullptr, false, A::FlipRenumber, E::Loaded, C::RenumberAfterSort, 0, 0, 0,
     K::Other},
    {cmd::kToggleAscending, nullptr, false, A::FlipAscending, E::Loaded, C::SortAscending, 0, 0, 0, K::Other},
    {cmd::kNewChannel, "Make New Channel", true, A::PostKey, E::LoadedChannelView, C::None, 0, 0, 0, K::F2},
    {cmd::kToggleDetail, nullptr, false, A::ToggleDetail, E::LoadedChannelView, C::DetailColumns, 0, 0, 0,
     K::Other},
    {cmd::kPadToHundreds, nullptr, false, A::Pad, E::LoadedChannelView, C::None, 0, 0, 0, K::Other},
    {cmd::kRevertPadding, nullptr, false, A::RevertPad, E::PadUndoAvailable, C::None, 0, 0, 0, K::Other},
    {cmd::kInsertNull, "Insert Null Channel at Selected Position(s)", true, A::PostKey, E::Loaded, C::None, 0,
     0, 0, K::Insert},
    {cmd::kDelete, "Delete Selected Channel(s)", true, A::PostKey, E::Loaded, C::None, 0, 0, 0, K::Delete},
    {cmd::kUndo, "Undo", true, A::Undo, E::UndoAvailable, C::None, 0, 0, 0, K::Other},
    {cmd::kCut, "Cut Channel", false, A::PostKey, E::Loaded, C::None, 0, 0, 0, K::F3},
    {cmd::kPaste, "Paste Channel", false, A::PostKey, E::PasteAvailable, C::None, 0, 0, 0, K::F4},
    {cmd::kRedo, "Redo", true, A::Redo, E::RedoAvailable, C::None, 0, 0, 0, K::Other},
    {cmd::kEditChannel, "Edit the Selected Channel", true, A::PostKey, E::ChannelRows, C::None, 0, 0, 0,
     K::Enter},
}};

}  // namespace

std::span<const ViewCommand> ViewCommands() {
  return kCommands;
}

const ViewCommand* FindViewCommand(int id) {
  for (const ViewCommand& c : kCommands) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

}  // namespace lumoscope
