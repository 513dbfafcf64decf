#pragma once
// Titles and widths of the two channel views (digital and analog channels joined with
// their transponder and satellite, and their program number last), in their three
// width sets.
#include <array>

#include "listview/ListView.h"

namespace lumoscope {

extern const std::array<const char*, kDigitalViewColumns> kDigitalTitles;
extern const std::array<int, kDigitalViewColumns> kDigitalInitialWidths;
extern const std::array<const char*, kAnalogViewColumns> kAnalogTitles;
extern const std::array<int, kAnalogViewColumns> kAnalogInitialWidths;

// The last column of each channel view: the receiver's program number.
inline constexpr int kDigitalProgramColumn = kDigitalRowWidth;
inline constexpr int kAnalogProgramColumn = kAnalogRowWidth;
inline constexpr const char* kProgramNumberTitle = "Prog. No.";

// The detail toggle rewrites every width of the joined row except its last (Degree);
// Degree and the program number keep theirs.
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
