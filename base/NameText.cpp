#include "base/NameText.h"

namespace lumoscope {

std::string NameToUtf8(std::string_view stored) {
  std::string out;
  out.reserve(stored.size());
  for (const char c : stored) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out.push_back(c);
    } else {
      // Latin-1 is the first 256 code points: two UTF-8 bytes for 0x80 to 0xFF.
      out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
  return out;
}

}  // namespace lumoscope
