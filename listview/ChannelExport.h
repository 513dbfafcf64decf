#pragma once
// The channel list for other programs: every digital channel (service-ID and PID
// channels) and every analog channel with all the columns the channel views show, as
// one CSV table or as JSON. Names are decoded to UTF-8 from the list's name encoding.
//
// CSV (RFC 4180: comma separated, CRLF line ends, quotes where needed) has one header
// row and one row per channel. Its first column, "Kind", says which table the row comes
// from ("digital", "pid" or "analog"); the columns both kinds have (number, name, type,
// satellite, frequency, polarisation, ...) come first, then those of the digital
// channels, then those of the analog ones, left empty on rows of the other kind; last,
// "Prog. No.", the receiver's program number (empty for a channel it does not show).
//
// JSON: {"format": "lumoscope-channel-list", "version": 1, "digital": [...], "analog": [...]}
// with one object per channel, every value a string exactly as the list holds it. The
// digital objects have "kind" ("digital" or "pid") and the digital columns, the analog
// objects the analog columns, and both "program_number"; the keys are fixed (see
// kExportColumns in the source).
#include <string>
#include <vector>

#include "base/NameText.h"

namespace lumoscope {

enum class ExportFormat { Csv, Json };

inline constexpr const char* kExportJsonFormat = "lumoscope-channel-list";
inline constexpr int kExportJsonVersion = 1;

std::string ExportChannelList(const std::vector<std::string>& fields, ExportFormat format,
                              const NameCodec& names);

// The format a file name asks for: JSON for ".json" (any case), CSV otherwise.
ExportFormat ExportFormatOf(const std::string& path);

}  // namespace lumoscope
