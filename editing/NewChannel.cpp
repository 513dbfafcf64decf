// Placeholder until the new-channel logic lands.
#include "editing/NewChannel.h"

namespace lumoscope {

void CreateNewChannel(INewChannelHost&, IChannelDialogs&) {}

}  // namespace lumoscope
