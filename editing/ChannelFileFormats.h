#pragma once
// The parsers of the three channel-file formats (ChannelFile.h) and the reading of the
// lines they share. Each takes a whole file's text; on what it cannot take it returns
// false with `error` saying where (the line; 0 for the file as a whole) and what is wrong,
// worded to follow "line N".
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "base/KeyValueGroups.h"
#include "editing/ChannelFile.h"
#include "editing/ScanValues.h"

namespace lumoscope {

bool ParseDvbv5Channels(std::string_view text, std::vector<ScannedService>& services, KeyValueError& error);
bool ParseVdrChannels(std::string_view text, std::vector<ScannedService>& services, KeyValueError& error);
bool ParseZapChannels(std::string_view text, std::vector<ScannedService>& services, KeyValueError& error);

// The fields of a line between `separator`s, at most `maxFields` (the rest stays in the
// last). Views into the line.
std::vector<std::string_view> SplitFields(std::string_view line, char separator, size_t maxFields);

// The tools write satellite frequencies in MHz in the line formats and in kHz in dvbv5,
// symbol rates in kS/s or in symbols per second: a value this large is in the smaller unit.
inline constexpr uint32_t kSmallerUnitFrom = 1'000'000;
// A frequency in MHz or kHz as kHz; a symbol rate in kS/s or symbols/s as symbols/s.
uint32_t InSmallerUnit(uint32_t value);

// Walks the lines of a line format: a line longer than kMaxChannelLineLength or with a
// zero byte refuses the file, blank lines and "#" comments are skipped. `parse` gets each
// other line (without the blanks around it) and its number, adds the line's service to
// `services` (or none) and returns false, with `error` set, to refuse the file. More than
// kMaxChannelFileServices services refuse it too.
bool ParseServiceLines(std::string_view text, std::vector<ScannedService>& services, KeyValueError& error,
                       const std::function<bool(std::string_view line, int number)>& parse);

}  // namespace lumoscope
