#pragma once
// Ordering a list like a reference: after a rescan, or on a new receiver, the channels
// go back into the order of a list the customer already knows. Channels the reference
// has take its order; the others follow in their current order. Each section keeps its
// own records (a PID channel never becomes a CHANNEL record), and null channels keep
// their places: a technician pads a list on purpose, so that groups start at round
// numbers, and the named channels are ordered around them.
//
// Matching, one reference entry to at most one channel:
// - against another list, digital channels first by satellite, transponder and service
//   ID (PID channels: their PIDs), then by satellite and service ID wherever it is
//   tuned, then by name; analog channels by satellite, frequency, polarisation, audio
//   carriers and name, then without the name, then by name alone (ChannelIdentity).
//   Digital and analog channels are matched among their own kind.
// - against a file of names, by name: each name may place one digital and one analog
//   channel, as the two are numbered apart.
// Names match with case and blanks ignored.
#include <string>
#include <vector>

#include "listview/OrderReference.h"

namespace lumoscope {

class INewChannelHost;

inline constexpr const char* kOrderLikeUndoLabel = "Order Like";

struct OrderLikeReport {
  size_t matched = 0;                       // channels placed by the reference
  std::vector<std::string> notInReference;  // the list's channels it does not have, as now numbered
  std::vector<std::string> notFound;        // its entries no channel matched
  size_t nullChannels = 0;                  // null channels that kept their places
  bool changed = false;
  bool refused = false;  // the list would no longer fit the receiver (told); nothing changed
};

// Reorders the channel records of `fields`; the channel numbers are not rewritten.
OrderLikeReport OrderLike(std::vector<std::string>& fields, const OrderReference& reference,
                          const NameCodec& names);

// The same on the list of the view in one undo step, renumbered and shown; no step is
// recorded when the order stays as it was.
OrderLikeReport OrderLike(INewChannelHost& host, const OrderReference& reference);

std::string OrderReportText(const OrderLikeReport& report);

}  // namespace lumoscope
