#pragma once
// The analog new-channel procedure: dialog, undo step, checks, the 18-line analog
// transponder record and the refresh.
#include "editing/ChannelForms.h"
#include "editing/NewChannelHost.h"

namespace lumoscope {

inline constexpr const char* kNewAnalogUndoLabel = "New Ana Channel";
inline constexpr const char* kFrequencyNotFilledMessage = "Frequency not filled!";

void CreateNewAnalogChannel(INewChannelHost& host, IChannelDialogs& dialogs);

}  // namespace lumoscope
