#pragma once
// How the receiver's images are laid out: the section markers each header of the text
// puts in, the bytes of each record, the name table of the basic image and the padding
// at the end. The compile emits its markers by this table, and the fill of a list
// (ListFill) counts with it, so the two cannot disagree on how large an image is.
#include <cstddef>

#include "base/Sections.h"
#include "database/HexWriter.h"
#include "database/ImageEncoder.h"

namespace lumoscope {

inline constexpr size_t kMarkerBytes = sizeof kStartMarker;

// The normal image is loaded at 0x7FF10000 and the basic image at 0x7FF20000, so at most
// 64 KiB of normal image fit before the basic one starts. The basic image has the 64 KiB
// block from its own address on in the same way.
inline constexpr size_t kMaxNormalImageBytes = kBasicImageAddress - kNormalImageAddress;
inline constexpr size_t kMaxBasicImageBytes = 64 * 1024;

// What a section's header puts into the image: the end marker of the block before it
// and the start marker of its own block.
struct HeaderMarkers {
  bool end = false;
  bool start = false;
  constexpr size_t Bytes() const { return (end ? kMarkerBytes : 0) + (start ? kMarkerBytes : 0); }
};

constexpr HeaderMarkers MarkersAtHeader(Section section, bool normal) {
  switch (section) {
    case Section::SatNameList:
      return {};
    case Section::Satellite:
      return {false, true};
    case Section::PidChannel:
      // In the normal image the PID channels continue the digital channels' block.
      return normal ? HeaderMarkers{} : HeaderMarkers{true, true};
    case Section::DigitalTp:
    case Section::AnalogTp:
    case Section::DigitalChannel:
      break;
  }
  return {true, true};
}

// Bytes of one record in the image, CRC and trailing zeros included. The satellite name
// list has no records of its own: the basic image holds it as one name table.
constexpr size_t RecordBytes(Section section, bool normal) {
  switch (section) {
    case Section::SatNameList:
      return 0;
    case Section::Satellite:
      return kSatelliteRecordBytes;
    case Section::DigitalTp:
      return normal ? kNormalTpRecordBytes : kBasicTpRecordBytes;
    case Section::AnalogTp:
      return kAnalogTpRecordBytes;
    case Section::DigitalChannel:
      return kChannelRecordBytes;
    case Section::PidChannel:
      return normal ? kNormalPidRecordBytes : kBasicPidRecordBytes;
  }
  return 0;
}

// The basic image's name table: a name field per satellite slot, its CRC and two bytes 00.
constexpr size_t NameTableBytes(size_t slots) {
  return kNameFieldBytes * slots + 4;
}

// The image as the hex file holds it: the normal image ends on a whole 32-byte unit, the
// basic image on a whole line of 16 bytes.
constexpr size_t PaddedImageBytes(size_t bytes, bool normal) {
  const size_t unit = static_cast<size_t>(kHexBytesPerLine) * (normal ? 2 : 1);
  return (bytes + unit - 1) / unit * unit;
}

}  // namespace lumoscope
