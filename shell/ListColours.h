#pragma once
// The channel list's colours and how they are kept in the settings store. A colour is
// one 32-bit value: red in bits 0-7, green in bits 8-15, blue in bits 16-23.
#include <cstdint>

#include "shell/SettingsStore.h"

namespace lumoscope {

using Colour = std::uint32_t;

constexpr Colour MakeColour(int red, int green, int blue) {
  return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8) |
         (static_cast<Colour>(blue & 0xFF) << 16);
}
constexpr int RedOf(Colour c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

inline constexpr Colour kBlack = MakeColour(0, 0, 0);
inline constexpr Colour kWhite = MakeColour(255, 255, 255);
// The colours the option dialog offers as its defaults: blue text on silver.
inline constexpr Colour kDefaultTextColour = MakeColour(0, 0, 255);
inline constexpr Colour kDefaultBackgroundColour = MakeColour(192, 192, 192);

struct ListColours {
  Colour text = kBlack;
  Colour textBackground = kWhite;
  Colour background = kWhite;
  bool saved = false;  // true when the person's saved colours were used
};

// The stored text and background colours, each part read with its default.
Colour ReadTextColour(const ISettingsStore& store);
Colour ReadBackgroundColour(const ISettingsStore& store);

// What the list shows when it is first shown: the saved colours once the option dialog
// saved some, else black on white.
ListColours LoadListColours(const ISettingsStore& store);

// Writes the mark ("Font Size", "Font Name") and the six colour parts.
void SaveColours(ISettingsStore& store, int fontSize, const std::string& fontName, Colour text,
                 Colour background);

}  // namespace lumoscope
