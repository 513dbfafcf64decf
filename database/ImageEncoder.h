#pragma once
// The receiver's channel-list image: section markers and the bytes of every record in
// the normal image (what the receiver runs from, with program numbers and D_TP
// positions) and in the basic image (indices as written, name table, PID channels in a
// block of their own). Multi-byte numbers are little-endian.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "database/Records.h"

namespace lumoscope {

// Section markers as they stand in the image.
inline constexpr uint8_t kStartMarker[4] = {0xDD, 0xCC, 0xBB, 0xAA};  // 0xAABBCCDD
inline constexpr uint8_t kEndMarker[4] = {0xCD, 0xAB, 0x34, 0x12};    // 0x1234ABCD

// Record sizes in bytes, CRC and trailing zeros included.
inline constexpr size_t kSatelliteRecordBytes = 28;
inline constexpr size_t kNormalTpRecordBytes = 36;
inline constexpr size_t kBasicTpRecordBytes = 24;
inline constexpr size_t kAnalogTpRecordBytes = 28;
inline constexpr size_t kChannelRecordBytes = 28;
inline constexpr size_t kNormalPidRecordBytes = 28;
inline constexpr size_t kBasicPidRecordBytes = 32;
inline constexpr size_t kNormalHeaderBytes = 12;

// Packed decimal of a 4- or 5-digit number: d1, d2d3, d4d5 (a 4-digit number gets a
// leading 0). 11778 -> 01 17 78.
void PackDecimal(std::string_view digits, uint8_t out[3]);
// Audio carriers L = a.bc and R = d.ef -> ab, cd, ef. 6.50 and 7.20 -> 65 07 20.
void PackAudioFrequencies(std::string_view left, std::string_view right, uint8_t out[3]);
// CRC-16/ARC over the data followed by `zeros` bytes 00.
uint16_t RecordCrc(std::span<const uint8_t> data, int zeros);

// Collects the image of one compile. Normal or basic decides every record's layout.
class ImageBuilder {
 public:
  explicit ImageBuilder(bool normal) : normal_(normal) { bytes_.reserve(kInitialReserve); }

  bool Normal() const { return normal_; }
  void StartMarker() { Append(kStartMarker); }
  void EndMarker() { Append(kEndMarker); }

  // Basic image only: the satellite slot names, kNameFieldBytes each.
  void NameTable(std::span<const uint8_t> names);
  void Satellite(const SatelliteRecord& r);
  // `position` is the D_TP's 1-based position among the compiled D_TPs (normal image).
  void DigitalTp(const DigitalTpRecord& r, int position);
  void AnalogTp(const AnalogTpRecord& r);
  void DigitalChannel(const DigitalChannelRecord& r);
  void PidChannel(const PidChannelRecord& r);

  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  static constexpr size_t kInitialReserve = 64 * 1024;  // a full receiver list

  void Append(std::span<const uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
  // Appends the data, then its CRC (k zero bytes included in the computation), then
  // `trailingZeros` bytes 00.
  void AppendWithCrc(std::span<const uint8_t> data, int zeros, int trailingZeros);

  bool normal_;
  std::vector<uint8_t> bytes_;
};

}  // namespace lumoscope
