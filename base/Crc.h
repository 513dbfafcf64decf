#pragma once
// The two checksums of the receiver: CRC-16/ARC over every image record, and the
// standard reflected CRC-32 over the binary image and the download messages.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace lumoscope {

inline constexpr uint16_t kCrc16Polynomial = 0xA001;      // CRC-16/ARC, reflected
inline constexpr uint32_t kCrc32Polynomial = 0xEDB88320;  // IEEE 802.3, reflected

using Crc16Table = std::array<uint16_t, 256>;
using Crc32Table = std::array<uint32_t, 256>;

constexpr Crc16Table MakeCrc16Table() {
  Crc16Table t{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint16_t c = static_cast<uint16_t>(i);
    for (int k = 0; k < 8; ++k) c = (c & 1) ? static_cast<uint16_t>((c >> 1) ^ kCrc16Polynomial) : (c >> 1);
    t[i] = c;
  }
  return t;
}

constexpr Crc32Table MakeCrc32Table() {
  Crc32Table t{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ kCrc32Polynomial : (c >> 1);
    t[i] = c;
  }
  return t;
}

inline constexpr Crc16Table kCrc16Table = MakeCrc16Table();
inline constexpr Crc32Table kCrc32Table = MakeCrc32Table();

// The CRC-16 eight bytes at a time: table k gives what a byte does to the checksum when
// k zero bytes follow it. As the checksum is linear in its input, the eight bytes of a
// group (the first two taken with the checksum so far) then add up independently of one
// another, instead of each waiting for the one before.
using Crc16Slices = std::array<Crc16Table, 8>;

constexpr Crc16Slices MakeCrc16Slices() {
  Crc16Slices t{};
  t[0] = MakeCrc16Table();
  for (size_t k = 1; k < t.size(); ++k)
    for (size_t i = 0; i < 256; ++i)
      t[k][i] = static_cast<uint16_t>((t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF]);
  return t;
}

inline constexpr Crc16Slices kCrc16Slices = MakeCrc16Slices();

// CRC-16/ARC: initial value 0, no final inversion.
inline uint16_t Crc16(std::span<const uint8_t> data, uint16_t crc = 0) {
  const auto& t = kCrc16Slices;
  const uint8_t* p = data.data();
  size_t n = data.size();
  for (; n >= 8; n -= 8, p += 8)
    crc = static_cast<uint16_t>(t[7][(crc ^ p[0]) & 0xFF] ^ t[6][(crc >> 8) ^ p[1]] ^ t[5][p[2]] ^
                                t[4][p[3]] ^ t[3][p[4]] ^ t[2][p[5]] ^ t[1][p[6]] ^ t[0][p[7]]);
  for (; n > 0; --n, ++p) crc = static_cast<uint16_t>(kCrc16Table[(crc ^ *p) & 0xFF] ^ (crc >> 8));
  return crc;
}

// Standard CRC-32: initial value 0xFFFFFFFF, final inversion.
inline uint32_t Crc32(std::span<const uint8_t> data) {
  uint32_t crc = 0xFFFFFFFFu;
  for (uint8_t b : data) crc = kCrc32Table[(crc ^ b) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

}  // namespace lumoscope
