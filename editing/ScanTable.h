#pragma once
// A DVB scan table: the transponders of one satellite (or one terrestrial or cable
// network) as the Linux DVB tools ship them, one table per file under
// /usr/share/dvb/dvb-s/ and its sister folders. The tables are read with libdvbv5, the
// library those tools use, in its own "[CHANNEL]" key/value format or in the older
// one-line "S 11362000 H 22000000 2/3" initial-tuning format.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumoscope {

enum class ScanDelivery { DvbS, DvbS2, Other };
enum class ScanPolarization { Horizontal, Vertical, CircularLeft, CircularRight, None };

// One entry of a table. Frequencies of satellite entries are in kHz, as in the tables;
// symbol rates in symbols per second.
struct ScanEntry {
  ScanDelivery delivery = ScanDelivery::Other;
  uint32_t frequencyKHz = 0;
  uint32_t symbolRate = 0;
  ScanPolarization polarization = ScanPolarization::None;
};

struct ScanTable {
  std::string name;  // the file's name, e.g. "Astra-19.2E"
  std::vector<ScanEntry> entries;
};

// Reads the table at `path`. On failure `error` says why, in a sentence for the person.
std::optional<ScanTable> ReadScanTable(const std::string& path, std::string& error);

// The same for a table's bytes; `path` names it in messages and gives the table's name.
std::optional<ScanTable> ParseScanTable(std::string_view contents, const std::string& path,
                                        std::string& error);

}  // namespace lumoscope
