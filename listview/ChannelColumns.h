#pragma once
// Titles and widths of the two channel views (digital and analog channels joined with
// their transponder and satellite), in their three width sets.
#include <array>

#include "listview/ListView.h"

namespace lumoscope {

extern const std::array<const char*, kDigitalRowWidth> kDigitalTitles;
extern const std::array<int, kDigitalRowWidth> kDigitalInitialWidths;
extern const std::array<const char*, kAnalogRowWidth> kAnalogTitles;
extern const std::array<int, kAnalogRowWidth> kAnalogInitialWidths;

// The detail toggle rewrites every width except the last (Degree), which keeps its value.
inline constexpr int kDigitalDetailWidths = kDigitalRowWidth - 1;
inline constexpr int kAnalogDetailWidths = kAnalogRowWidth - 1;
extern const std::array<int, kDigitalDetailWidths> kDigitalDetailOn;
extern const std::array<int, kDigitalDetailWidths> kDigitalDetailOff;
extern const std::array<int, kAnalogDetailWidths> kAnalogDetailOn;
extern const std::array<int, kAnalogDetailWidths> kAnalogDetailOff;

// Column of the Type in each joined row (decides the TV or radio icon).
inline constexpr int kDigitalTypeColumn = digitalcol::kType;
inline constexpr int kAnalogTypeColumn = analogcol::kType;

}  // namespace lumoscope
