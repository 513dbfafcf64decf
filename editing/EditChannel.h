#pragma once
// Edit Channel (Enter or a double click on a row of a channel view, and the command
// line's `set`): the channel's dialog opens filled with its values, and OK changes the
// record in place; it keeps its position and its number. A changed frequency, symbol
// rate, polarisation or satellite goes through the transponder search of a new channel
// (an exact match is reused, a near one offered with the "REPLACE" question, else a new
// transponder is made); the transponder it leaves stays in the list. A bouquet typed for
// the channel's own transponder becomes that transponder's comment.
#include <cstddef>

#include "editing/ChannelForms.h"
#include "editing/NewChannelHost.h"

namespace lumoscope {

inline constexpr const char* kEditChannelUndoLabel = "Edit Channel";

enum class EditOutcome {
  Changed,    // one undo step, the view refreshed
  Unchanged,  // OK with the values as they were: no undo step
  Cancelled,  // the dialog or the "REPLACE" question was cancelled
  Refused,    // a value was refused, or the list would no longer fit the receiver; the
              // person was told why, and the list is as it was
};

// Edits the channel whose record starts at `first` of the working list (a CHANNEL,
// CHANNEL_PID or ANALOG record). Only a changed list has an undo step.
EditOutcome EditChannel(INewChannelHost& host, IChannelDialogs& dialogs, size_t first);

}  // namespace lumoscope
