#pragma once
// Comparing two lists, for instance the list about to be flashed against the one just
// uploaded from the receiver, by what reaches the receiver's image. A channel is the same
// channel in both lists when it has the same identity (ChannelIdentity: satellite,
// transponder frequency and polarisation, and service ID; PID channels their PIDs;
// analog channels their frequency, polarisation, audio carriers and name). Of such a
// pair, it is
// - renamed when its name differs,
// - moved when its channel number differs,
// - retuned when what the receiver tunes differs: the symbol rate of its transponder
//   (analog: band, video band or audio carriers),
// - changed when any other field that reaches the image differs: its type, active
//   audio, bouquet (analog: threshold, contrast, decoder output, ...); the report names
//   each field with both values ("type TV -> Radio").
// A channel that left its transponder for another one (frequency or polarisation
// changed) keeping its satellite, service ID (PIDs) and name is the same channel,
// retuned, too: that is how broadcasters move channels, and a technician asks "did my
// channels move transponders", not "which were deleted and made again". An analog channel
// under another name on the same frequency and carriers is renamed.
// The rest are added (only in the second list) or removed (only in the first). Each kind
// of change is reported at most once per channel. Null channels are places, not
// channels: only their numbers are compared. What does not reach the image (the records
// on a blank satellite) is not compared.
//
// Besides the channels: satellites (by name, a renamed one by its index) with every
// field of theirs, the satellite name slots, and transponders no channel uses.
#include <cstddef>
#include <string>
#include <vector>

#include "listview/ChannelIdentity.h"

namespace lumoscope {

enum class ChangeKind { Added, Removed, Renamed, Moved, Retuned, Changed };

// One field of a record or channel with its value in each list, as a person reads it.
struct FieldChange {
  std::string field;
  std::string before;
  std::string after;
};

struct ChannelChange {
  ChangeKind kind;
  ChannelEntry before;                // in the first list (empty for Added)
  ChannelEntry after;                 // in the second list (empty for Removed)
  std::vector<FieldChange> fields{};  // Changed: the fields that differ
};

// A record that is no channel: a satellite, a satellite name slot or a transponder no
// channel uses. Added, Removed or Changed.
struct RecordChange {
  ChangeKind kind;
  const char* record;  // "satellite", "satellite name", "transponder"
  std::string label;   // "satellite 1 \"Astra 19.2E\"", as the first list has it (Added: the second)
  std::vector<FieldChange> fields{};
};

struct ListDifferences {
  std::vector<ChannelChange> changes;  // by kind in the order above, then digital before analog, by number
  std::vector<RecordChange> records;   // satellites, their names, then transponders
  size_t nullChannelsBefore = 0;
  size_t nullChannelsAfter = 0;
  bool Equal() const { return changes.empty() && records.empty() && nullChannelsBefore == nullChannelsAfter; }
  size_t Count(ChangeKind kind) const;  // of the channels
};

// Both lists' names are decoded with `names`.
ListDifferences CompareLists(const std::vector<std::string>& before, const std::vector<std::string>& after,
                             const NameCodec& names);

// One line per change and a summary line.
std::string DifferencesText(const ListDifferences& differences);
// What one change is: "channel 3 \"ZDF\" -> \"ZDF HD\"" for a rename, "channel 3 \"ZDF\":
// type TV -> Radio" for a change, and so on.
std::string ChangeText(const ChannelChange& change);
std::string RecordChangeText(const RecordChange& change);
// "null channels: 3 -> 5" when their number differs, else empty.
std::string NullChannelsText(const ListDifferences& differences);
// "The lists have the same channels." or "5 changes: 1 added, ...".
std::string DifferencesSummary(const ListDifferences& differences);
// {"format": "lumoscope-list-diff", "version": 1, "first": ..., "second": ..., "equal": ...,
//  "summary": {...}, "null_channels": {...}, "changes": [...], "records": [...]}; names in
// UTF-8. A changed channel, and a changed record, has "fields": [{"field", "first",
// "second"}].
std::string DifferencesJson(const ListDifferences& differences, const std::string& firstName,
                            const std::string& secondName);

const char* ChangeName(ChangeKind kind);

}  // namespace lumoscope
