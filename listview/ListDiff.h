#pragma once
// Comparing two channel lists, for instance the list about to be flashed against the
// one just uploaded from the receiver. A channel is the same channel in both lists when
// it has the same satellite, transponder frequency and polarisation, and service ID
// (PID channels: PIDs; analog channels: satellite, frequency and polarisation). Of such
// a pair, it is
// - renamed when its name differs,
// - moved when its channel number differs,
// - retuned when what the receiver tunes differs: the symbol rate of its transponder
//   (analog: band, video band or audio carriers).
// A channel that left its transponder for another one (frequency or polarisation
// changed) keeping its satellite, service ID (PIDs) and name is the same channel,
// retuned, too: that is how broadcasters move channels, and a technician asks "did my
// channels move transponders", not "which were deleted and made again".
// The rest are added (only in the second list) or removed (only in the first). Each kind
// of change is reported at most once per channel. Null channels are places, not
// channels: only their numbers are compared.
#include <cstddef>
#include <string>
#include <vector>

#include "listview/ChannelIdentity.h"

namespace lumoscope {

enum class ChangeKind { Added, Removed, Renamed, Moved, Retuned };

struct ChannelChange {
  ChangeKind kind;
  ChannelEntry before;  // in the first list (empty for Added)
  ChannelEntry after;   // in the second list (empty for Removed)
};

struct ListDifferences {
  std::vector<ChannelChange> changes;  // by kind in the order above, then digital before analog, by number
  size_t nullChannelsBefore = 0;
  size_t nullChannelsAfter = 0;
  bool Equal() const { return changes.empty() && nullChannelsBefore == nullChannelsAfter; }
  size_t Count(ChangeKind kind) const;
};

// Both lists' names are decoded with `names`.
ListDifferences CompareLists(const std::vector<std::string>& before, const std::vector<std::string>& after,
                             const NameCodec& names);

// One line per change and a summary line.
std::string DifferencesText(const ListDifferences& differences);
// What one change is: "channel 3 \"ZDF\" -> \"ZDF HD\"" for a rename, and so on.
std::string ChangeText(const ChannelChange& change);
// "null channels: 3 -> 5" when their number differs, else empty.
std::string NullChannelsText(const ListDifferences& differences);
// "The lists have the same channels." or "5 changes: 1 added, ...".
std::string DifferencesSummary(const ListDifferences& differences);
// {"format": "lumoscope-list-diff", "version": 1, "first": ..., "second": ..., "equal": ...,
//  "summary": {...}, "null_channels": {...}, "changes": [...]}; names in UTF-8.
std::string DifferencesJson(const ListDifferences& differences, const std::string& firstName,
                            const std::string& secondName);

const char* ChangeName(ChangeKind kind);

}  // namespace lumoscope
