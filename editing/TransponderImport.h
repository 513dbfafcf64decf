#pragma once
// Importing the transponders of a DVB scan table into the list: every DVB-S and DVB-S2
// entry becomes a digital transponder of one satellite, unless the satellite already has
// it. Circular polarisations (C band) are stored as the receiver's two keywords: left as
// H, right as V. The satellite is one of the list's, or a new one made from the table's
// name ("Astra-19.2E" gives "Astra 19.2E" at 19.2 degrees east).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/NameText.h"
#include "editing/ImportedTuning.h"
#include "editing/NewChannelHost.h"
#include "editing/ScanTable.h"

namespace lumoscope {

inline constexpr const char* kImportUndoLabel = "Import TPs";

// The universal LNB most dishes have: its two local oscillators in MHz.
inline constexpr const char* kUniversalLnbHigh = "10600";
inline constexpr const char* kUniversalLnbLow = "9750";

// The satellite the transponders go to: the Index field of one of the list's satellites,
// or nothing for a new satellite made from the table's name.
struct ImportTarget {
  std::optional<std::string> satelliteIndex;
};

struct TransponderImportReport {
  std::string tableName;
  std::string satelliteIndex;
  std::string satelliteName;
  bool newSatellite = false;
  // A new satellite was asked for, but the list has one of the table's name and position
  // already: the transponders went to that one.
  bool reusedSatellite = false;
  size_t added = 0;
  size_t alreadyThere = 0;  // kept as the list has them
  size_t circular = 0;      // left stored as H, right as V (added or already there)
  size_t otherSystems = 0;  // terrestrial, cable and other entries: not for a satellite
  size_t unusable = 0;      // satellite entries without a polarisation, or with a frequency
                            // or symbol rate the list's 4 or 5 digits cannot hold
  // Satellite entries whose frequency is in none of the LNB bands: line and frequency (kHz).
  std::vector<std::pair<int, uint32_t>> outOfBand;
  // Orbital positions (tenths of a degree, east positive) of the table, from its name, and
  // of the satellite, where they are known: a table for another position is most likely
  // the wrong one, and the report says so.
  std::optional<int> tablePosition;
  std::optional<int> satellitePosition;
};

// The satellite a table's name gives: "Astra-19.2E" -> "Astra 19.2E", Degree "0192",
// Position "19". Names longer than the receiver's 13 characters lose ".0" in the
// position, then words from the end. Nothing when the name ends in no orbital position.
// The name is stored in `names`' encoding: a character it has no byte for becomes "?",
// and "#" and "~", which a satellite's name cannot hold, part words like a hyphen.
struct TableSatellite {
  std::string name;
  std::string position;  // whole degrees, as the list's examples keep them
  std::string degree;    // stored form of the orbital position
};
std::optional<TableSatellite> SatelliteFromTableName(const std::string& tableName,
                                                     const NameCodec& names = NameCodec());

// Adds the table's transponders in one undo step and refreshes the view. A new satellite
// is made only when the list has none of the same name and orbital position. Refused whole,
// with the reason told through the host's reporter, when the satellite is not in the
// list or the new transponders (or the new satellite) would pass the list's limits or
// the receiver's (ListFill).
// Nothing changes, and no undo step is recorded, when every transponder is there already.
std::optional<TransponderImportReport> ImportTransponders(INewChannelHost& host, const ScanTable& table,
                                                          const ImportTarget& target);

// What was done, for the person: one line per kind of entry that occurred.
std::string ImportReportText(const TransponderImportReport& report, const NameCodec& names);

}  // namespace lumoscope
