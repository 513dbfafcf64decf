#pragma once
// The channel list as the page a technician leaves with the customer: the channels the
// receiver will show, grouped by satellite, each with the program number the receiver
// gives it, its name, TV or radio, and its tuning. Plain data; the window lays it out on
// pages.
//
// The numbers are the receiver's: TV and radio channels are numbered apart, from 1, in
// the order of the list (digital channels first, then analog ones). Null channels take a
// number but are not printed; channels on a satellite the receiver ignores (blank Y, or
// no such satellite) take none. Names are decoded from the list's name encoding.
#include <string>
#include <vector>

#include "base/NameText.h"

namespace lumoscope {

struct PrintedChannel {
  int number = 0;
  std::string name;    // UTF-8
  std::string type;    // "TV" or "Radio"
  std::string tuning;  // "11494 MHz H, 22000 kS/s" or "11156 MHz V, analog"
};

struct PrintedSatellite {
  std::string title;                     // "Astra 19.2E (E019.2)", UTF-8
  std::vector<PrintedChannel> channels;  // TV by number, then radio by number
};

// The satellites in the order of the list that have a channel to print.
std::vector<PrintedSatellite> BuildPrintedList(const std::vector<std::string>& fields,
                                               const NameCodec& names);

}  // namespace lumoscope
