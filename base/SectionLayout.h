#pragma once
// The layout of the working section list: per section of the text file its header line,
// the start and end marker strings that enclose its records in the list, the number of
// strings per record and which of them is the (quotable) name.
#include <array>
#include <cstddef>
#include <string_view>

namespace lumoscope {

struct SectionLayout {
  int number;  // 1 to 6, the section codes of the text file
  std::string_view header;
  std::string_view startMarker;
  std::string_view endMarker;
  size_t fieldCount;
  size_t nameField;  // from 0
};

inline constexpr int kSectionNone = 0;
inline constexpr int kSectionSatName = 1;
inline constexpr int kSectionSatellite = 2;
inline constexpr int kSectionDigitalTp = 3;
inline constexpr int kSectionAnalogTp = 4;
inline constexpr int kSectionChannel = 5;
inline constexpr int kSectionPidChannel = 6;
inline constexpr int kSectionCount = 6;

inline constexpr std::array<SectionLayout, kSectionCount> kSectionLayouts{{
    {kSectionSatName, "[SATELLITE_NAME_LIST]", "SAT_NAME START", "SAT_NAME END", 2, 1},
    {kSectionSatellite, "[SATELLITE]", "SATELLITE START", "SATELLITE END", 7, 1},
    {kSectionDigitalTp, "[DIGITAL TP]", "DIGITAL START", "DIGITAL END", 6, 5},
    {kSectionAnalogTp, "[ANALOG TP]", "ANALOG START", "ANALOG END", 18, 4},
    {kSectionChannel, "[DIGITAL CHANNEL]", "CHANNEL START", "CHANNEL END", 8, 5},
    {kSectionPidChannel, "[DIGITAL PID CHANNEL]", "CHANNEL_PID START", "CHANNEL_PID END", 10, 4},
}};

inline constexpr std::string_view kEndHeader = "[END]";

// Layout of section 1 to 6.
constexpr const SectionLayout& Layout(int section) {
  return kSectionLayouts[static_cast<size_t>(section - 1)];
}

// True for any of the twelve marker strings.
inline bool IsSectionMarker(std::string_view text) {
  for (const SectionLayout& s : kSectionLayouts)
    if (text == s.startMarker || text == s.endMarker) return true;
  return false;
}

}  // namespace lumoscope
