#pragma once
// Orbital positions of satellites, in tenths of a degree, east positive: 19.2E is 192,
// 5.0W is -50. Satellite names and scan table names carry them as text ("Astra 19.2E",
// "Hotbird-13.0E", "Thor 1W"); a satellite record carries its own in the Degree field.
#include <optional>
#include <string>
#include <string_view>

namespace lumoscope {

// "19.2E", "13E", "0.8w": digits, at most one decimal, then E or W. Nothing for any other
// text, or for more than 180 degrees.
std::optional<int> ParseOrbitalPosition(std::string_view text);

// "19.2E", "5.0W".
std::string OrbitalPositionText(int tenths);

// The position a name ends in, after its last blank, hyphen or underscore.
std::optional<int> PositionAtEndOfName(std::string_view name);

// A satellite's position: its Degree field (stored form) when that is not 0, else the
// position its name ends in.
std::optional<int> SatellitePosition(const std::string& name, const std::string& degree);

}  // namespace lumoscope
