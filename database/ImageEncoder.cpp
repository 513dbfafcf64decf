#include "database/ImageEncoder.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "base/Crc.h"

namespace lumoscope {
namespace {

// Low nibble of a character taken as a decimal digit.
uint8_t Digit(char c) {
  return static_cast<uint8_t>((c - '0') & 0x0F);
}

void Put16(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v & 0xFF);
  p[1] = static_cast<uint8_t>((v >> 8) & 0xFF);
}

// A name of at most `width` characters, bytes 00 after it (the buffer is zeroed).
void PutName(uint8_t* p, const std::string& name, size_t width) {
  std::memcpy(p, name.data(), name.size() < width ? name.size() : width);
}

uint8_t NameLength(const std::string& name) {
  return static_cast<uint8_t>(name.size() < kMaxNameLength ? name.size() : kMaxNameLength);
}

// Service type as the basic image stores it for digital and PID channels.
uint8_t BasicServiceCode(ServiceType t) {
  return t == ServiceType::Tv ? 1 : 2;
}
uint8_t NormalServiceBit(ServiceType t) {
  return t == ServiceType::Tv ? 0 : 1;
}

// Bits 8..11 of a program number, and its low byte.
uint8_t ProgramHigh(int program) {
  return static_cast<uint8_t>((program >> 8) & 0x0F);
}
uint8_t ProgramLow(int program) {
  return static_cast<uint8_t>(program & 0xFF);
}

// Byte 4 of the normal channel records: constant 0x54 with the service type in bit 0
// and the blank flag in bit 3.
constexpr uint8_t kNormalChannelFlags = 0x54;
constexpr uint8_t kBlankBit = 0x08;
// Bit 7 of the basic channel records' active audio byte marks a null channel.
constexpr uint8_t kBasicBlankBit = 0x80;
// Bit 2 of the A_TP record's byte 24 is set in the normal image only.
constexpr uint8_t kAnalogNormalBit = 0x04;
constexpr uint8_t kSatelliteConstant = 0x01;  // offset 23 of the satellite record

// D_TP reference and program-number bits of the normal channel records, offset 2.
void PutNormalTpAndProgram(uint8_t* p, int tpPosition, int program) {
  const uint32_t v =
      (static_cast<uint32_t>(tpPosition) & 0x0FFF) | (static_cast<uint32_t>(ProgramHigh(program)) << 12);
  Put16(p, v);
}

}  // namespace

void PackDecimal(std::string_view digits, uint8_t out[3]) {
  char d[5] = {'0', '0', '0', '0', '0'};
  const size_t n = digits.size() < 5 ? digits.size() : 5;
  std::memcpy(d + (5 - n), digits.data(), n);
  out[0] = Digit(d[0]);
  out[1] = static_cast<uint8_t>(Digit(d[1]) << 4 | Digit(d[2]));
  out[2] = static_cast<uint8_t>(Digit(d[3]) << 4 | Digit(d[4]));
}

void PackAudioFrequencies(std::string_view left, std::string_view right, uint8_t out[3]) {
  // d.dd: the first, third and fourth characters are the digits; the point is skipped.
  auto at = [](std::string_view s, size_t i) { return i < s.size() ? Digit(s[i]) : uint8_t{0}; };
  out[0] = static_cast<uint8_t>(at(left, 0) << 4 | at(left, 2));
  out[1] = static_cast<uint8_t>(at(left, 3) << 4 | at(right, 0));
  out[2] = static_cast<uint8_t>(at(right, 2) << 4 | at(right, 3));
}

uint16_t RecordCrc(std::span<const uint8_t> data, int zeros) {
  static constexpr uint8_t kZeros[4] = {0, 0, 0, 0};
  const uint16_t crc = Crc16(data);
  return Crc16(std::span<const uint8_t>(kZeros, static_cast<size_t>(zeros)), crc);
}

void ImageBuilder::AppendWithCrc(std::span<const uint8_t> data, int zeros, int trailingZeros) {
  // The record, its checksum (low byte first) and the zeros after it, placed in one go:
  // an image has some thirty thousand records.
  const size_t at = bytes_.size();
  bytes_.resize(at + data.size() + 2 + static_cast<size_t>(trailingZeros));
  uint8_t* const out = bytes_.data() + at;
  std::copy(data.begin(), data.end(), out);
  const uint16_t crc = RecordCrc(data, zeros);
  out[data.size()] = static_cast<uint8_t>(crc & 0xFF);
  out[data.size() + 1] = static_cast<uint8_t>(crc >> 8);
}

void ImageBuilder::NameTable(std::span<const uint8_t> names) {
  AppendWithCrc(names, 4, 2);
}

void ImageBuilder::Satellite(const SatelliteRecord& r) {
  std::array<uint8_t, kSatelliteRecordBytes> b{};
  b[0] = static_cast<uint8_t>(r.index);
  b[1] = NameLength(r.name);
  PutName(&b[2], r.name, kMaxNameLength);
  PackDecimal(r.lnbHigh, &b[16]);
  PackDecimal(r.lnbLow, &b[19]);
  b[22] = static_cast<uint8_t>(r.position);
  b[23] = kSatelliteConstant;
  b[24] = r.blank ? 1 : 0;
  Put16(&b[26], static_cast<uint16_t>(r.positioner));
  Append(b);  // the satellite record has no CRC
}

void ImageBuilder::DigitalTp(const DigitalTpRecord& r, int position) {
  if (normal_) {
    std::array<uint8_t, kNormalTpRecordBytes - 2> b{};
    b[0] = static_cast<uint8_t>(r.satIndex);
    b[2] = static_cast<uint8_t>(r.polarization);
    PackDecimal(r.frequency, &b[3]);
    PackDecimal(r.symbolRate, &b[6]);
    b[9] = NameLength(r.comment);
    PutName(&b[10], r.comment, kMaxNameLength);
    std::memset(&b[24], 0xFF, 4);
    Put16(&b[28], static_cast<uint32_t>(position));
    AppendWithCrc(b, 2, 0);
  } else {
    std::array<uint8_t, kBasicTpRecordBytes - 2> b{};
    Put16(&b[0], static_cast<uint32_t>(r.tpIndex));
    b[2] = static_cast<uint8_t>((r.satIndex & 0x7F) | (r.polarization << 7));
    PutName(&b[3], r.comment, kMaxNameLength);
    PackDecimal(r.frequency, &b[16]);
    PackDecimal(r.symbolRate, &b[19]);
    AppendWithCrc(b, 4, 0);
  }
}

void ImageBuilder::AnalogTp(const AnalogTpRecord& r) {
  std::array<uint8_t, kAnalogTpRecordBytes - 2> b{};
  uint8_t freq[3];
  PackDecimal(r.frequency, freq);
  const uint8_t programHigh = normal_ ? ProgramHigh(r.programNumber) : 0;
  b[0] = static_cast<uint8_t>((freq[0] & 0x0F) | programHigh << 4);
  b[1] = freq[1];
  b[2] = freq[2];
  PackAudioFrequencies(r.audioLeft, r.audioRight, &b[3]);
  PutName(&b[6], r.name, kMaxNameLength);
  if (normal_) b[19] = ProgramLow(r.programNumber);
  b[20] = static_cast<uint8_t>(r.contrast);
  b[21] = static_cast<uint8_t>(r.threshold);
  b[22] = static_cast<uint8_t>((r.decoderOutput & 0x03) | (r.audioMode & 0x03) << 2 |
                               (r.polarization & 1) << 4 | (r.videoBand & 1) << 6);
  b[23] = static_cast<uint8_t>((r.panda ? 1 : 0) | (r.deEmphasis & 0x07) << 1 | (r.audioBand & 0x07) << 4 |
                               (r.tpBand & 1) << 7);
  b[24] = static_cast<uint8_t>(NormalServiceBit(r.type) | (normal_ ? kAnalogNormalBit : 0) |
                               (r.blank ? kBlankBit : 0));
  b[25] = static_cast<uint8_t>(r.satIndex);
  AppendWithCrc(b, 2, 0);
}

void ImageBuilder::DigitalChannel(const DigitalChannelRecord& r) {
  std::array<uint8_t, kChannelRecordBytes - 2> normal{};
  std::array<uint8_t, kChannelRecordBytes - 4> basic{};
  if (normal_) {
    uint8_t* b = normal.data();
    Put16(&b[0], r.svcId);
    PutNormalTpAndProgram(&b[2], r.tpPosition, r.programNumber);
    b[4] = static_cast<uint8_t>(kNormalChannelFlags | NormalServiceBit(r.type) | (r.blank ? kBlankBit : 0));
    // A null channel keeps its satellite in the active-audio byte.
    b[5] = static_cast<uint8_t>(r.blank ? r.satIndex : r.activeAudio);
    PutName(&b[6], r.name, kMaxNameLength);
    b[19] = ProgramLow(r.programNumber);
    std::memset(&b[20], 0xFF, 6);
    AppendWithCrc(normal, 2, 0);
  } else {
    uint8_t* b = basic.data();
    Put16(&b[0], r.svcId);
    Put16(&b[2], r.svcIndex);
    Put16(&b[4], static_cast<uint32_t>(r.tpIndex));
    b[6] = static_cast<uint8_t>(r.satIndex);
    b[7] = BasicServiceCode(r.type);
    b[8] = NameLength(r.name);
    PutName(&b[9], r.name, kMaxNameLength);
    b[23] = static_cast<uint8_t>(static_cast<uint8_t>(r.activeAudio) | (r.blank ? kBasicBlankBit : 0));
    AppendWithCrc(basic, 4, 2);
  }
}

void ImageBuilder::PidChannel(const PidChannelRecord& r) {
  if (normal_) {
    std::array<uint8_t, kNormalPidRecordBytes - 2> b{};
    PutNormalTpAndProgram(&b[2], r.tpPosition, r.programNumber);
    b[4] = static_cast<uint8_t>(kNormalChannelFlags | NormalServiceBit(r.type) | (r.blank ? kBlankBit : 0));
    b[5] = static_cast<uint8_t>(r.activeAudio);
    PutName(&b[6], r.name, kMaxNameLength);
    b[19] = ProgramLow(r.programNumber);
    Put16(&b[20], static_cast<uint32_t>(r.videoPid));
    Put16(&b[22], static_cast<uint32_t>(r.audioPid));
    Put16(&b[24], static_cast<uint32_t>(r.pcrPid));
    AppendWithCrc(b, 2, 0);
  } else {
    std::array<uint8_t, kBasicPidRecordBytes - 4> b{};
    Put16(&b[0], static_cast<uint32_t>(r.svcIndex));
    Put16(&b[2], static_cast<uint32_t>(r.tpIndex));
    b[4] = static_cast<uint8_t>(r.satIndex);
    b[5] = BasicServiceCode(r.type);
    Put16(&b[6], static_cast<uint32_t>(r.videoPid));
    Put16(&b[8], static_cast<uint32_t>(r.audioPid));
    Put16(&b[10], static_cast<uint32_t>(r.pcrPid));
    b[12] = NameLength(r.name);
    PutName(&b[13], r.name, kMaxNameLength);
    b[27] = static_cast<uint8_t>(static_cast<uint8_t>(r.activeAudio) | (r.blank ? kBasicBlankBit : 0));
    AppendWithCrc(b, 4, 2);
  }
}

}  // namespace lumoscope
