#pragma once
// Names in a channel list are 8-bit text: the receiver shows each byte with its own
// character set, which is ISO-8859-1 (Latin-1) for the lists this program writes. What
// the program hands to other programs and people (exports, printouts, reports) is UTF-8.
#include <string>
#include <string_view>

namespace lumoscope {

// The UTF-8 text of a name as the list stores it. Bytes below 0x80 stay as they are.
std::string NameToUtf8(std::string_view stored);

// True when `text` is well-formed UTF-8 (no overlong forms, surrogates or code points
// above U+10FFFF).
bool IsUtf8(std::string_view text);

// Text from outside the list (a file of channel names a person wrote, a file name): kept
// when it is UTF-8, else read as Latin-1 like the list's names.
std::string TextToUtf8(std::string_view text);

}  // namespace lumoscope
