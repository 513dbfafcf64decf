#include "transfer/BinImageBuilder.h"

#include "base/Crc.h"

namespace lumoscope {

namespace {

void PutBigEndian(uint8_t* out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) {
    out[i] = static_cast<uint8_t>(value & 0xFF);
    value >>= 8;
  }
}

void AppendBigEndian(std::string& out, uint32_t value, int bytes) {
  uint8_t buf[4];
  PutBigEndian(buf, value, bytes);
  out.append(reinterpret_cast<const char*>(buf), static_cast<size_t>(bytes));
}

size_t DataBytes(const std::vector<uint8_t>& packet) {
  return packet.size() - kPacketHeaderBytes;
}

}  // namespace

BinImageBuilder::BinImageBuilder() {
  // Placeholder header; its counts and CRC are filled in by Finish.
  image_.assign(kBinHeaderBytes, '\0');
  for (size_t i = 0; i < sizeof kBinHeaderMagic; ++i) image_[i] = static_cast<char>(kBinHeaderMagic[i]);
  packet_.reserve(kPacketHeaderBytes + kPacketCloseThreshold + 256);
  packet_.resize(kPacketHeaderBytes);
}

bool BinImageBuilder::ClosePacket() {
  if (sequence_ >= kMaxPackets) return false;
  const uint32_t length = static_cast<uint32_t>(DataBytes(packet_));
  packet_[0] = kPacketMagic;
  packet_[1] = kPacketMagic;
  PutBigEndian(&packet_[2], static_cast<uint32_t>(sequence_), 2);
  PutBigEndian(&packet_[4], packetStart_, 4);
  PutBigEndian(&packet_[8], length, 4);
  image_.append(reinterpret_cast<const char*>(packet_.data()), packet_.size());
  AppendBigEndian(image_, Crc32(packet_), 4);
  ++sequence_;
  packet_.resize(kPacketHeaderBytes);
  return true;
}

bool BinImageBuilder::Add(uint32_t address, std::span<const uint8_t> data) {
  if (DataBytes(packet_) == 0) {
    packetStart_ = address;
    nextAddress_ = address;
  }
  if (address != nextAddress_) {
    if (!ClosePacket()) return false;
    packetStart_ = address;
  }
  packet_.insert(packet_.end(), data.begin(), data.end());
  nextAddress_ = address + static_cast<uint32_t>(data.size());
  total_ += static_cast<uint32_t>(data.size());
  if (DataBytes(packet_) > kPacketCloseThreshold) return ClosePacket();
  return true;
}

bool BinImageBuilder::Finish() {
  if (total_ == 0) return false;
  if (DataBytes(packet_) > 0 && !ClosePacket()) return false;
  auto* header = reinterpret_cast<uint8_t*>(image_.data());
  PutBigEndian(header + 4, total_, 4);
  PutBigEndian(header + 8, static_cast<uint32_t>(sequence_), 2);
  PutBigEndian(header + 10, Crc32(std::span<const uint8_t>(header, 10)), 4);
  return true;
}

}  // namespace lumoscope
