#pragma once
// What a receiver's console prints after it was switched on with a newly flashed image:
// the list that image holds. The basic image keeps everything the text list gives (the
// indices as written, the satellite name slots, every channel's own fields), so the
// simulated receiver reads its list back from there, in the program's own layout.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lumoscope::sim {

// The stored image: data by load address, as the flash download wrote it.
using FlashContents = std::map<uint32_t, std::vector<uint8_t>>;

// The channel list of the basic image in `flash` (the sections in the order the program
// writes them), or nothing when the flash holds no basic image the receiver can read.
std::optional<std::string> ListingOfFlash(const FlashContents& flash);

}  // namespace lumoscope::sim
