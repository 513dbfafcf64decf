#pragma once
// Create new channel (F2 and command 32808 in the channel view): asks for a new digital
// or analog channel, ties it to its satellite and transponder and inserts it.
#include "editing/ChannelForms.h"
#include "editing/NewChannelHost.h"

namespace lumoscope {

void CreateNewChannel(INewChannelHost& host, IChannelDialogs& dialogs);

}  // namespace lumoscope
