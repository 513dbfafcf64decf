#pragma once
// A DVB scan table: the transponders of one satellite (or one terrestrial or cable
// network) as the Linux DVB tools ship them, one table per file under
// /usr/share/dvb/dvb-s/ and its sister folders. Two formats are read: groups of
// "KEY = VALUE" lines, one "[CHANNEL]" group per transponder, and the older one-line
// "S 11362000 H 22000000 2/3" initial-tuning format. Tables come from outside: they are
// read by the program's own bounded reader, and a table it cannot take is refused with
// the line that is wrong.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumoscope {

// A table is at most this long; the largest installed one has less than 40 KB.
inline constexpr size_t kMaxScanTableBytes = 1024 * 1024;
// And has at most this many groups (the largest installed one has fewer than 250).
inline constexpr size_t kMaxScanTableGroups = 5000;

enum class ScanDelivery { DvbS, DvbS2, Other };
enum class ScanPolarization { Horizontal, Vertical, CircularLeft, CircularRight, None };

// One entry of a table. Frequencies of satellite entries are in kHz, as in the tables;
// symbol rates in symbols per second. `line` is where the entry starts in the file.
struct ScanEntry {
  ScanDelivery delivery = ScanDelivery::Other;
  uint32_t frequencyKHz = 0;
  uint32_t symbolRate = 0;
  ScanPolarization polarization = ScanPolarization::None;
  int line = 0;
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
