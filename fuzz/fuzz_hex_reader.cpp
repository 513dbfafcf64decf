// Feeds arbitrary bytes to the hex image reader and the packet builder. A conversion
// that succeeds must give an image whose header counts agree with its packets.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/Crc.h"
#include "base/Reporter.h"
#include "base/SilentReporter.h"
#include "transfer/HexToBin.h"

namespace {

uint32_t BigEndian(const std::string& s, size_t at, int n) {
  uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | static_cast<uint8_t>(s[at + static_cast<size_t>(i)]);
  return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lumoscope::SilentReporter reporter;
  std::string image;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!lumoscope::BuildBinImage(reporter, text, image)) return 0;

  size_t at = 14;
  uint32_t total = 0;
  uint32_t packets = 0;
  while (at < image.size()) {
    if (at + 16 > image.size()) std::abort();
    const uint32_t length = BigEndian(image, at + 8, 4);
    if (BigEndian(image, at + 2, 2) != packets || length == 0) std::abort();
    total += length;
    ++packets;
    at += 16 + length;
  }
  if (at != image.size() || BigEndian(image, 4, 4) != total || BigEndian(image, 8, 2) != packets)
    std::abort();
  return 0;
}
