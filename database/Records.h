#pragma once
// The six kinds of record of a channel list, with their fields in the order in which
// they stand on a text line, the keywords of their keyword fields and the limits of the
// receiver's tables.
#include <cstdint>
#include <string>

#include "base/ListLimits.h"

namespace lumoscope {

// Table sizes of the receiver and of the compile's maps.
inline constexpr int kSatelliteSlots = 50;         // satellite index 0..49
inline constexpr int kTpSlots = 5000;              // D_TP and A_TP index 0..4999
inline constexpr int kChannelSlots = 10000;        // digital channel SVC index 0..9999
inline constexpr int kPidChannelSlots = 65536;     // PID SVC index: 16 bits in the basic image
inline constexpr size_t kNameFieldBytes = 14;      // a name and its terminating 00
inline constexpr int kMaxProgramNumber = 4095;     // program numbers are 12 bits in the normal image
inline constexpr int kMaxNormalTpPosition = 4095;  // channels refer to D_TPs with 12 bits

// Service types by their codes in the normal image (kServiceTypes gives the words).
enum class ServiceType { Tv, Radio };

struct SatNameEntry {
  int index = 0;
  std::string name;
};

struct SatelliteRecord {
  int index = 0;
  std::string name;
  bool blank = false;
  std::string lnbHigh;  // 4 or 5 decimal digits, MHz
  std::string lnbLow;   // 4 or 5 decimal digits, MHz
  int position = 0;
  int16_t positioner = 0;
};

struct DigitalTpRecord {
  int tpIndex = 0;
  int satIndex = 0;
  std::string frequency;   // 4 or 5 decimal digits, MHz
  std::string symbolRate;  // 4 or 5 decimal digits, kHz
  int polarization = 0;    // 0 H, 1 V
  std::string comment;     // at most 13 characters after the cut
};

struct AnalogTpRecord {
  int tpIndex = 0;
  int satIndex = 0;
  std::string frequency;  // 4 or 5 decimal digits, MHz
  int tpBand = 0;         // C 0, KU 1
  std::string name;
  int videoBand = 0;  // 18MHz 0, 27MHz 1
  int polarization = 0;
  int threshold = 0;
  int contrast = 0;
  int decoderOutput = 0;  // CVBS 0, DEEMP_CVBS 1, BASEBAND 2, CANAL 3
  int audioMode = 0;      // STEREO 0, MONO_LEFT 1, MONO_RIGHT 2
  std::string audioLeft;  // d.dd, MHz
  std::string audioRight;
  int audioBand = 0;  // 130 0, 180 1, 280 2, 300 3, 400 4 (kHz)
  bool panda = false;
  int deEmphasis = 0;  // NO_DEEMP 0, U50 1, U75 2, J17 3
  ServiceType type = ServiceType::Tv;
  bool blank = false;
  int programNumber = 0;  // normal image only
};

struct DigitalChannelRecord {
  uint32_t svcIndex = 0;
  int tpIndex = 0;
  int satIndex = 0;
  uint32_t svcId = 0;
  ServiceType type = ServiceType::Tv;
  std::string name;
  int activeAudio = 0;
  bool blank = false;
  int programNumber = 0;  // normal image only
  int tpPosition = 0;     // normal image: the D_TP's position, or the index as written when blank
};

struct PidChannelRecord {
  int svcIndex = 0;
  int tpIndex = 0;
  int satIndex = 0;
  ServiceType type = ServiceType::Tv;
  std::string name;
  int videoPid = 0;
  int audioPid = 0;
  int pcrPid = 0;
  int activeAudio = 0;
  bool blank = false;
  int programNumber = 0;
  int tpPosition = 0;
};

}  // namespace lumoscope
