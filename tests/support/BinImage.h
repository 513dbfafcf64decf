#pragma once
// Builds packetised ".bin" images for the transfer tests: the 14-byte image header with
// its CRC-32, then 0x5A 0x5A packets of contiguous load addresses, each with its CRC-32.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "transfer/DownloadProtocol.h"

namespace lumoscope::test {

struct BinPacket {
  uint32_t address;
  std::vector<uint8_t> data;
};

inline std::vector<uint8_t> RandomBytes(size_t n, uint32_t seed) {
  std::mt19937 gen(seed);
  std::vector<uint8_t> out(n);
  for (auto& b : out) b = static_cast<uint8_t>(gen());
  return out;
}

// Splits `data` into packets of at most `packetBytes`, loaded from `address` on.
inline std::vector<BinPacket> SplitIntoPackets(const std::vector<uint8_t>& data, uint32_t address,
                                               size_t packetBytes) {
  std::vector<BinPacket> packets;
  for (size_t off = 0; off < data.size(); off += packetBytes) {
    const size_t n = std::min(packetBytes, data.size() - off);
    packets.push_back({address + static_cast<uint32_t>(off),
                       std::vector<uint8_t>(data.begin() + static_cast<long>(off),
                                            data.begin() + static_cast<long>(off + n))});
  }
  return packets;
}

inline std::string PacketBytes(const BinPacket& p, uint16_t sequence) {
  std::vector<uint8_t> b(kPacketHeaderBytes);
  b[0] = b[1] = kPacketMagic;
  PutBe16(&b[2], sequence);
  PutBe32(&b[4], p.address);
  PutBe32(&b[8], static_cast<uint32_t>(p.data.size()));
  b.insert(b.end(), p.data.begin(), p.data.end());
  uint8_t crc[4];
  PutBe32(crc, Crc32(b));
  b.insert(b.end(), crc, crc + 4);
  return std::string(b.begin(), b.end());
}

inline std::string ImageHeaderBytes(uint32_t total, uint16_t count) {
  uint8_t h[kImageHeaderBytes] = {kImageMagic0, kImageMagic1, 0x01, 0x01};
  PutBe32(&h[4], total);
  PutBe16(&h[8], count);
  PutBe32(&h[10], Crc32(std::span<const uint8_t>(h, 10)));
  return std::string(h, h + kImageHeaderBytes);
}

inline std::string BuildBinImage(const std::vector<BinPacket>& packets) {
  uint32_t total = 0;
  std::string body;
  for (size_t i = 0; i < packets.size(); ++i) {
    total += static_cast<uint32_t>(packets[i].data.size());
    body += PacketBytes(packets[i], static_cast<uint16_t>(i));
  }
  return ImageHeaderBytes(total, static_cast<uint16_t>(packets.size())) + body;
}

}  // namespace lumoscope::test
