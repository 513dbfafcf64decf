#include "tools/receiver-sim/ImageListing.h"

#include <array>
#include <cstring>
#include <span>

#include "base/Keywords.h"
#include "base/ListLimits.h"
#include "base/Reporter.h"
#include "base/Sections.h"
#include "database/HexWriter.h"
#include "database/ImageEncoder.h"
#include "database/ImageLayout.h"
#include "transfer/SectionListFormatter.h"

namespace lumoscope::sim {
namespace {

using Bytes = std::span<const uint8_t>;
using Record = std::vector<std::string>;

// The receiver has 32 or 40 satellite slots; the name table in front of the first block
// says which.
constexpr std::array<size_t, 2> kSlotCounts{32, 40};
constexpr size_t kNameTableTrailerBytes = 4;  // CRC and two bytes 00

constexpr uint8_t kBasicBlankBit = 0x80;  // in a channel's active audio byte
constexpr uint8_t kLowSevenBits = 0x7F;
constexpr int kBasicTvCode = 1;  // the basic image stores TV as 1 and radio as 2

// The image from the basic image's load address on, as far as the packets join up.
std::vector<uint8_t> BasicImage(const FlashContents& flash) {
  std::vector<uint8_t> image;
  uint32_t next = kBasicImageAddress;
  for (auto it = flash.lower_bound(kBasicImageAddress); it != flash.end() && it->first == next; ++it) {
    image.insert(image.end(), it->second.begin(), it->second.end());
    next += static_cast<uint32_t>(it->second.size());
  }
  return image;
}

bool Holds(Bytes bytes, size_t at, const uint8_t (&marker)[kMarkerBytes]) {
  return at + kMarkerBytes <= bytes.size() && std::memcmp(bytes.data() + at, marker, kMarkerBytes) == 0;
}

unsigned Le16(const uint8_t* p) {
  return static_cast<unsigned>(p[0] | p[1] << 8);
}

// Packed decimal back to the digits the list keeps: five, or four when the first is 0.
std::string Unpacked(const uint8_t* p) {
  const std::array<int, 5> d{p[0] & 0x0F, p[1] >> 4, p[1] & 0x0F, p[2] >> 4, p[2] & 0x0F};
  std::string digits;
  for (size_t i = d[0] == 0 ? 1 : 0; i < d.size(); ++i) digits += static_cast<char>('0' + d[i]);
  return digits;
}

// A name field: its characters up to the first 00 (or `length` when the record says).
std::string Name(const uint8_t* p, size_t width) {
  size_t n = 0;
  while (n < width && p[n] != 0) ++n;
  return std::string(reinterpret_cast<const char*>(p), n);
}

std::string Number(unsigned value) {
  return std::to_string(value);
}

template <size_t N>
std::string Word(const KeywordList<N>& words, unsigned code) {
  return std::string(words[code < N ? code : 0]);
}

std::string YesNo(bool flag) {
  return std::string(flag ? kYes : kNo);
}

std::string BasicType(unsigned code) {
  return std::string(static_cast<int>(code) == kBasicTvCode ? kTv : kRadio);
}

Record Satellite(const uint8_t* r) {
  const auto positioner = static_cast<int16_t>(Le16(r + 26));
  return {Number(r[0]),
          Name(r + 2, r[1] < kMaxNameLength ? r[1] : kMaxNameLength),
          YesNo(r[24] != 0),
          Unpacked(r + 16),
          Unpacked(r + 19),
          Number(r[22]),
          std::to_string(positioner)};
}

Record Transponder(const uint8_t* r) {
  return {Number(Le16(r)),  Number(r[2] & kLowSevenBits),    Unpacked(r + 16),
          Unpacked(r + 19), Word(kPolarizations, r[2] >> 7), Name(r + 3, kMaxNameLength)};
}

Record Channel(const uint8_t* r) {
  return {Number(Le16(r + 2)),
          Number(Le16(r + 4)),
          Number(r[6]),
          Format("%04X", Le16(r)),
          BasicType(r[7]),
          Name(r + 9, r[8] < kMaxNameLength ? r[8] : kMaxNameLength),
          Number(r[23] & kLowSevenBits),
          YesNo((r[23] & kBasicBlankBit) != 0)};
}

Record PidChannel(const uint8_t* r) {
  return {Number(Le16(r)),
          Number(Le16(r + 2)),
          Number(r[4]),
          BasicType(r[5]),
          Name(r + 13, r[12] < kMaxNameLength ? r[12] : kMaxNameLength),
          Number(Le16(r + 6)),
          Number(Le16(r + 8)),
          Number(Le16(r + 10)),
          Number(r[27] & kLowSevenBits),
          YesNo((r[27] & kBasicBlankBit) != 0)};
}

// "6.50": a digit, the point, two digits.
std::string AudioCarrier(int a, int b, int c) {
  return Format("%d.%d%d", a, b, c);
}

Record AnalogTp(const uint8_t* r, size_t number) {
  const uint8_t frequency[3] = {static_cast<uint8_t>(r[0] & 0x0F), r[1], r[2]};
  const uint8_t* audio = r + 3;
  return {Number(static_cast<unsigned>(number)),
          Number(r[25]),
          Unpacked(frequency),
          Word(kTpBands, r[23] >> 7),
          Name(r + 6, kMaxNameLength),
          Word(kVideoBands, (r[22] >> 6) & 1),
          Word(kPolarizations, (r[22] >> 4) & 1),
          Number(r[21]),
          Number(r[20]),
          Word(kDecoderOutputs, r[22] & 3),
          Word(kAudioModes, (r[22] >> 2) & 3),
          AudioCarrier(audio[0] >> 4, audio[0] & 0x0F, audio[1] >> 4),
          AudioCarrier(audio[1] & 0x0F, audio[2] >> 4, audio[2] & 0x0F),
          Word(kAudioBands, (r[23] >> 4) & 7),
          YesNo((r[23] & 1) != 0),
          Word(kDeEmphases, (r[23] >> 1) & 7),
          std::string(kServiceTypes[r[24] & 1]),
          YesNo((r[24] & 0x08) != 0)};
}

size_t BasicRecordBytes(Section section) {
  switch (section) {
    case Section::Satellite:
      return kSatelliteRecordBytes;
    case Section::DigitalTp:
      return kBasicTpRecordBytes;
    case Section::DigitalChannel:
      return kChannelRecordBytes;
    case Section::PidChannel:
      return kBasicPidRecordBytes;
    case Section::AnalogTp:
      return kAnalogTpRecordBytes;
    case Section::SatNameList:
      break;
  }
  return 0;
}

// The records of one block, `width` bytes each, from `at` (just after its start marker)
// to its end marker; false when no end marker stands on a record's boundary. `at` then
// points past the end marker.
bool WalkBlock(Bytes image, size_t& at, size_t width, std::vector<const uint8_t*>& records) {
  records.clear();
  while (!Holds(image, at, kEndMarker)) {
    if (at + width > image.size()) return false;
    records.push_back(image.data() + at);
    at += width;
  }
  at += kMarkerBytes;
  return true;
}

Record Decoded(Section section, const uint8_t* r, size_t number) {
  switch (section) {
    case Section::Satellite:
      return Satellite(r);
    case Section::DigitalTp:
      return Transponder(r);
    case Section::DigitalChannel:
      return Channel(r);
    case Section::PidChannel:
      return PidChannel(r);
    case Section::AnalogTp:
      return AnalogTp(r, number);
    case Section::SatNameList:
      break;
  }
  return {};
}

}  // namespace

std::optional<std::string> ListingOfFlash(const FlashContents& flash) {
  const std::vector<uint8_t> image = BasicImage(flash);
  const Bytes bytes(image);
  size_t slots = 0;
  for (const size_t n : kSlotCounts)
    if (Holds(bytes, kNameFieldBytes * n + kNameTableTrailerBytes, kStartMarker)) slots = n;
  if (slots == 0) return std::nullopt;

  std::vector<std::string> fields;
  const auto section = [&fields](Section s, const std::vector<Record>& records) {
    fields.emplace_back(FormatOf(s).startMarker);
    for (const Record& r : records) fields.insert(fields.end(), r.begin(), r.end());
    fields.emplace_back(FormatOf(s).endMarker);
  };
  std::vector<Record> names;
  for (size_t i = 0; i < slots; ++i)
    names.push_back(
        {Number(static_cast<unsigned>(i + 1)), Name(image.data() + kNameFieldBytes * i, kMaxNameLength)});
  section(Section::SatNameList, names);

  // The blocks come in the order of the list's sections, which the program writes in its
  // fixed order. A list without PID channels has no block for them: a block that does not
  // walk as PID channels is the analog one.
  size_t at = kNameFieldBytes * slots + kNameTableTrailerBytes;
  std::vector<const uint8_t*> raw;
  for (const Section s : {Section::Satellite, Section::DigitalTp, Section::DigitalChannel,
                          Section::PidChannel, Section::AnalogTp}) {
    if (!Holds(bytes, at, kStartMarker)) {
      if (s == Section::PidChannel || s == Section::AnalogTp) continue;
      return std::nullopt;
    }
    size_t next = at + kMarkerBytes;
    if (!WalkBlock(bytes, next, BasicRecordBytes(s), raw)) {
      if (s != Section::PidChannel) return std::nullopt;
      continue;
    }
    at = next;
    std::vector<Record> records;
    for (const uint8_t* r : raw) records.push_back(Decoded(s, r, records.size() + 1));
    section(s, records);
  }
  return FormatSectionList(fields);
}

}  // namespace lumoscope::sim
