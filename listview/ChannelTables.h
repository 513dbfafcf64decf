#pragma once
// The joined channel tables: one row per channel that says everything about it. Digital
// rows (every CHANNEL record, then every CHANNEL_PID record) have 20 strings: the
// channel's own fields, its transponder's tuning and its satellite; analog rows (every
// ANALOG record) have 23: the record's 18 fields and its satellite. The channel views
// show them, and the export writes them.
#include <string>
#include <vector>

namespace lumoscope {

inline constexpr int kDigitalRowWidth = 20;
inline constexpr int kAnalogRowWidth = 23;

// Rebuilds both tables from the working section list.
void JoinChannelTables(const std::vector<std::string>& fields, std::vector<std::string>& digitalRows,
                       std::vector<std::string>& analogRows);

}  // namespace lumoscope
