#pragma once
// The receiver's flash download protocol: the 8-byte control messages (STX, three
// upper-case letters, the same in lower case, ETX), the image header and packet layout
// of the ".bin" file that goes on the wire unchanged, and the announcement the PC sends
// before each packet. Numbers on the wire are big-endian.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "base/Crc.h"
#include "transfer/BinImageBuilder.h"

namespace lumoscope {

inline constexpr size_t kControlMessageBytes = 8;
using ControlMessage = std::array<uint8_t, kControlMessageBytes>;

inline constexpr uint8_t kStx = 0x02;
inline constexpr uint8_t kEtx = 0x03;

constexpr ControlMessage MakeControlMessage(char a, char b, char c) {
  auto lower = [](char ch) { return static_cast<uint8_t>(ch - 'A' + 'a'); };
  return {kStx,
          static_cast<uint8_t>(a),
          static_cast<uint8_t>(b),
          static_cast<uint8_t>(c),
          lower(a),
          lower(b),
          lower(c),
          kEtx};
}

inline constexpr ControlMessage kDnOperReq = MakeControlMessage('H', 'E', 'I');  // receiver is ready
inline constexpr ControlMessage kAck = MakeControlMessage('A', 'C', 'K');
inline constexpr ControlMessage kNxt = MakeControlMessage('N', 'X', 'T');
inline constexpr ControlMessage kErr = MakeControlMessage('E', 'R', 'R');  // PC: not what was expected
inline constexpr ControlMessage kDis = MakeControlMessage('D', 'I', 'S');  // PC: all packets sent
inline constexpr ControlMessage kPok = MakeControlMessage('P', 'O', 'K');  // receiver: image stored
inline constexpr ControlMessage kPer = MakeControlMessage('P', 'E', 'R');  // receiver: image not stored

// Image header: 0x55 0xAA 0x01 0x01, total data bytes (4), packet count (2), CRC-32 of
// bytes 0 to 9 (4).
inline constexpr size_t kImageHeaderBytes = 14;
inline constexpr uint8_t kImageMagic0 = 0x55;
inline constexpr uint8_t kImageMagic1 = 0xAA;
inline constexpr size_t kImageHeaderCrcOffset = 10;
inline constexpr size_t kImageHeaderPacketCountLowOffset = 9;

// Packet: 0x5A 0x5A, sequence number (2), load address (4), n (4), n data bytes, CRC-32
// of everything before it (4).
inline constexpr size_t kPacketLengthOffset = 8;
inline constexpr size_t kPacketAddressOffset = 4;
inline constexpr size_t kPacketSequenceOffset = 2;

// The PC assembles one frame at a time in a 64 KiB buffer and a frame may fill at most
// 65535 bytes of it, so a packet carries at most 65519 data bytes.
inline constexpr size_t kFrameBufferBytes = 65536;
inline constexpr uint32_t kMaxPacketDataBytes = kFrameBufferBytes - 1 - kPacketHeaderBytes - kPacketCrcBytes;

// Announcement: STX, n (4), n inverted (4), the image's packet-count low byte, CRC-32 of
// bytes 0 to 9 (4).
inline constexpr size_t kAnnouncementBytes = 14;
inline constexpr size_t kAnnouncementCrcOffset = 10;

inline uint32_t GetBe32(const uint8_t* p) {
  return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
         (static_cast<uint32_t>(p[2]) << 8) | p[3];
}
inline uint16_t GetBe16(const uint8_t* p) {
  return static_cast<uint16_t>((p[0] << 8) | p[1]);
}
inline void PutBe32(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v >> 24);
  p[1] = static_cast<uint8_t>(v >> 16);
  p[2] = static_cast<uint8_t>(v >> 8);
  p[3] = static_cast<uint8_t>(v);
}
inline void PutBe16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v >> 8);
  p[1] = static_cast<uint8_t>(v);
}

// Fills the announcement of a packet of n data bytes; byte 9 is the image header's.
inline void BuildAnnouncement(std::array<uint8_t, kAnnouncementBytes>& out, uint32_t n,
                              uint8_t packetCountLow) {
  out[0] = kStx;
  PutBe32(&out[1], n);
  PutBe32(&out[5], ~n);
  out[9] = packetCountLow;
  PutBe32(&out[kAnnouncementCrcOffset], Crc32(std::span<const uint8_t>(out.data(), kAnnouncementCrcOffset)));
}

}  // namespace lumoscope
