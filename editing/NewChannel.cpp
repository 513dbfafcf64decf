#include "editing/NewChannel.h"

#include "editing/NewAnalogChannel.h"
#include "editing/NewDigitalChannel.h"

namespace lumoscope {

void CreateNewChannel(INewChannelHost& host, IChannelDialogs& dialogs) {
  if (host.ShowDigital()) {
    CreateNewDigitalChannel(host, dialogs);
  } else {
    CreateNewAnalogChannel(host, dialogs);
  }
}

}  // namespace lumoscope
