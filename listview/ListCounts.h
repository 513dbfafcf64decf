#pragma once
// What the status bar says about the list shown: how many rows of how many (when
// filtered), the TV, radio and null channels among them (analog: TV and radio), and how
// many rows are selected.
#include <cstddef>
#include <string>

namespace lumoscope {

struct ListCounts {
  enum class Display { Nothing, DigitalChannels, AnalogChannels, Records };
  Display display = Display::Nothing;
  bool filtered = false;
  size_t shown = 0;  // rows shown
  size_t total = 0;  // rows of the display without the filter
  // Among the rows shown: digital channels are TV, radio or null (a null channel keeps a
  // place in the numbering and counts as null only); analog channels TV or radio.
  size_t tv = 0;
  size_t radio = 0;
  size_t null = 0;
  size_t selected = 0;
};

// 1234567 -> "1,234,567".
std::string GroupedNumber(size_t n);

// "Showing 15 of 1,234" while filtered, else "1,234 channels" (or "32 records" in a
// section); empty when nothing is loaded.
std::string ShownText(const ListCounts& counts);
// "1,000 TV, 200 radio, 34 null" (analog: "3 TV, 1 radio"); empty for a section.
std::string KindsText(const ListCounts& counts);
// "No row selected", "1 row selected", "12 rows selected"; empty when nothing is loaded.
std::string SelectionText(const ListCounts& counts);

}  // namespace lumoscope
