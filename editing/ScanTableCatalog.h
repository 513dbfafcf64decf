#pragma once
// The DVB scan tables installed on this computer (Debian package dtv-scan-tables), one
// file per satellite named like "Astra-19.2E": listing them, finding one by name, and
// which of them fits a satellite of the list.
#include <optional>
#include <string>
#include <vector>

namespace lumoscope {

inline constexpr const char* kInstalledScanTableFolder = "/usr/share/dvb/dvb-s";

inline constexpr const char* kScanTablesMissingMessage =
    "The DVB scan tables are not installed on this computer.\n"
    "Install them with \"sudo apt install dtv-scan-tables\", or choose a scan table file of your own.";

// Names of the tables in `folder`, sorted; empty when the folder is missing or empty.
std::vector<std::string> ListScanTables(const std::string& folder);

// The file of a table given by name ("Astra-19.2E", looked up in `folder`) or by path (a
// text with a "/", or a file of that name in the current folder). Nothing when a name is
// not installed; `error` then says so and how to get the tables.
std::optional<std::string> FindScanTable(const std::string& nameOrPath, const std::string& folder,
                                         std::string& error);

// The table that fits a satellite: one at the satellite's orbital position, preferring
// one whose first word is the first word of the satellite's name, then the shortest name.
// Without a known position, the shortest one whose first word matches. Nothing when none
// fits.
std::optional<size_t> TableForSatellite(const std::vector<std::string>& names,
                                        const std::string& satelliteName, const std::string& degree);

}  // namespace lumoscope
