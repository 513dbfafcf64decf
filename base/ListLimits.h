#pragma once
// How many channels and transponders the receiver's tables hold, and how long a name may
// be. An edit that would go past them is refused: the list could not be opened or
// compiled again.
#include <cstddef>

namespace lumoscope {

// Every name of a list (the digital transponder's comment is cut to it when read).
inline constexpr size_t kMaxNameLength = 13;

// Digital channels (CHANNEL and CHANNEL_PID records together): the channel map has
// 10000 entries and index 0 is never given to a channel.
inline constexpr long kMaxDigitalChannels = 9999;
// Analog transponders, one per analog channel: the A_TP map has 5000 entries.
inline constexpr long kMaxAnalogChannels = 4999;
// Highest D_TP index the D_TP map of 5000 entries can take.
inline constexpr long kMaxTransponderIndex = 4999;

inline constexpr const char* kListFullMessage =
    "The list is full: it holds at most 9999 digital channels and 4999 analog channels, and transponder "
    "index 4999. Nothing was changed.";

}  // namespace lumoscope
