#pragma once
// Keeping a list in shape: what a rescan or years of edits leave behind. Duplicates are
// channels the list has twice: everything of theirs that reaches the receiver's image is
// the same (ImageKey: satellite, transponder and tuning, service ID or PIDs, name, type
// and the rest; analog channels their frequency, audio carriers, name and every other
// field); the first one in the list is the original.
// Transponders that no channel uses only cost room in the receiver's tables. A list that
// does not fit the receiver is reported with each figure past its limit. Channels of
// one transponder with the same name are mostly leftovers, but may be wanted (regional
// variants), so they are only reported. Null channels are kept places in the receiver's
// numbering that a technician pads on purpose: reported, and removed only when asked.
//
// Removing records never rewrites an index: transponders and satellites keep theirs, so
// every remaining reference still names the same record. Only the channel numbers close
// up, as after any deletion.
#include <string>
#include <vector>

#include "listview/ChannelIdentity.h"
#include "listview/RecordMoves.h"

namespace lumoscope {

class INewChannelHost;

inline constexpr const char* kTidyUndoLabel = "Tidy Up";

struct ListFindings {
  std::vector<std::string> duplicates;          // one line each
  std::vector<std::string> unusedTransponders;  // one line each
  std::vector<std::string> sameNames;           // one line per group of channels
  std::vector<long> nullChannels;               // numbers of the digital null channels
  std::vector<long> nullAnalogChannels;         // numbers of the analog null channels
  // The figures of the receiver's memory the list passes, each with its limit (ListFill).
  std::vector<std::string> overLimits;
  // Something a tidy-up could remove.
  bool Removable() const {
    return !duplicates.empty() || !unusedTransponders.empty() || !nullChannels.empty() ||
           !nullAnalogChannels.empty();
  }
  bool Clean() const { return !Removable() && sameNames.empty() && overLimits.empty(); }
};

// Names are decoded with `names` (for the lines of the report).
ListFindings FindListProblems(const std::vector<std::string>& fields, const NameCodec& names);
std::string FindingsText(const ListFindings& findings);

// What to remove.
struct TidyChoice {
  bool duplicates = false;
  bool unusedTransponders = false;
  bool nullChannels = false;
  bool Any() const { return duplicates || unusedTransponders || nullChannels; }
};

// The records a tidy-up removes, each with a line that says what it is and why it goes.
// Transponders count as unused when no channel uses them after the chosen channels are
// gone.
struct TidyPlan {
  struct Removal {
    RecordRef record;
    std::string line;
    bool null = false;  // a null channel, reported with the others as ranges of numbers
  };
  std::vector<Removal> channels;
  std::vector<Removal> transponders;
  std::vector<long> nullChannels;        // numbers of the digital null channels removed
  std::vector<long> nullAnalogChannels;  // and of the analog ones
  bool Empty() const { return channels.empty() && transponders.empty(); }
};

TidyPlan PlanTidy(const std::vector<std::string>& fields, const TidyChoice& choice, const NameCodec& names);
void ApplyTidy(std::vector<std::string>& fields, const TidyPlan& plan);
// Applies the plan to the view's list in one undo step, renumbered and shown; false (and
// no step) for an empty plan, or when the list would no longer fit the receiver (told).
bool TidyUp(INewChannelHost& host, const TidyPlan& plan);

// "Removed 2 channels and 1 transponder:" and the plan's lines, the null channels as ranges
// of numbers (a padded list has hundreds).
std::string TidyReportText(const TidyPlan& plan);

}  // namespace lumoscope
