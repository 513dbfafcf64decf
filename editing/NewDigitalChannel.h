#pragma once
// The digital new-channel procedure: dialog, undo step, checks, transponder choice
// (reuse, ask about a similar one, or add one), the channel record and the refresh.
#include "editing/ChannelForms.h"
#include "editing/NewChannelHost.h"

namespace lumoscope {

inline constexpr const char* kNewDigitalUndoLabel = "New Dig Channel";
inline constexpr const char* kEmptyServiceIdMessage = "ERROR:When PID Value is filled, SvcID must not fill!!";

void CreateNewDigitalChannel(INewChannelHost& host, IChannelDialogs& dialogs);

}  // namespace lumoscope
