#pragma once
// The program numbers the receiver gives its channels, as the person finds them on the
// remote control: TV and radio channels are numbered apart, each from 1, in the order of
// the list (digital channels, service-ID ones then PID ones, then the analog ones). A
// null channel takes a number (the place stays free); a channel on a satellite the
// receiver ignores (one marked blank, or an index no satellite has) takes none.
//
// The channel views, the printout and the export all number through this one place, so
// the screen, the paper and the exported table can never tell the customer different
// numbers. The list's own Index ("Number") is another thing: one count over all kinds.
#include <map>
#include <string>
#include <vector>

#include "base/SectionLocator.h"

namespace lumoscope {

// No program number: the receiver does not show the channel.
inline constexpr int kNoProgramNumber = 0;

struct ProgramNumbers {
  std::vector<int> digital;  // one per joined digital row (ChannelTables)
  std::vector<int> analog;   // one per joined analog row
};

// The satellites the receiver shows, by the value of their index: for each index the
// first record whose Blank is "N", with its record number in the SATELLITE section
// (`satellites`, its place in `fields`).
std::map<long, size_t> ShownSatellites(const std::vector<std::string>& fields, const SectionSpan& satellites);

// The numbers of the joined rows (as JoinChannelTables makes them from `fields`, whose
// sections are `sections`).
ProgramNumbers NumberPrograms(const std::vector<std::string>& fields, const SectionLocator& sections,
                              const std::vector<std::string>& digitalRows,
                              const std::vector<std::string>& analogRows);

// The number as the views and the export show it; empty for kNoProgramNumber.
std::string ProgramNumberText(int number);

}  // namespace lumoscope
