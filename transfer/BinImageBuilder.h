#pragma once
// Builds the packetised binary image the receiver's flash loader takes: a 14-byte image
// header, then packets of contiguous load addresses, each with its own CRC-32. Every
// number is big-endian.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lumoscope {

// Image header: 55 AA 01 01, total data bytes (4), packet count (2), CRC-32 of the
// first 10 bytes (4).
inline constexpr size_t kBinHeaderBytes = 14;
inline constexpr uint8_t kBinHeaderMagic[4] = {0x55, 0xAA, 0x01, 0x01};
// Packet: 5A 5A, sequence number (2), load address (4), data length (4), data, CRC-32 (4).
inline constexpr size_t kPacketHeaderBytes = 12;
inline constexpr size_t kPacketCrcBytes = 4;
inline constexpr uint8_t kPacketMagic = 0x5A;
// A packet is closed as soon as it holds more than this many data bytes; with the
// compiler's 16-byte lines a full packet carries 4080 bytes, which keeps every frame
// well inside the receiver's 8192-byte packet buffer.
inline constexpr size_t kPacketCloseThreshold = 4064;
// The header counts packets in 16 bits.
inline constexpr size_t kMaxPackets = 0xFFFF;

class BinImageBuilder {
 public:
  BinImageBuilder();

  // Adds the data of one hex line loaded at `address`. A gap in the addresses closes
  // the packet under construction. False when the image would need more packets than
  // its header can count.
  bool Add(uint32_t address, std::span<const uint8_t> data);

  // Closes the last packet and fills in the image header. False when no data byte was
  // added at all.
  bool Finish();

  // The finished image file, header first.
  const std::string& Image() const { return image_; }
  uint32_t TotalBytes() const { return total_; }
  size_t PacketCount() const { return sequence_; }

 private:
  bool ClosePacket();

  std::string image_;
  std::vector<uint8_t> packet_;  // header and data of the packet under construction
  uint32_t packetStart_ = 0;
  uint32_t nextAddress_ = 0;
  uint32_t total_ = 0;
  size_t sequence_ = 0;
};

}  // namespace lumoscope
