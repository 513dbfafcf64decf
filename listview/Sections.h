#pragma once
// The six sections of the working section list: their markers, record widths and the
// columns of their section views, and where each one sits in a given list.
#include <array>
#include <string>
#include <vector>

#include "base/ListLimits.h"
#include "base/SectionLayout.h"

namespace lumoscope {

enum class ListSection { SatName, Satellite, DigitalTp, AnalogTp, Channel, Pid };
inline constexpr int kListSectionCount = 6;

struct SectionInfo {
  const char* startMarker;
  const char* endMarker;
  int width;  // strings per record
  std::vector<const char*> titles;
  std::vector<int> widths;  // pixels
};

const SectionInfo& InfoOf(ListSection section);

// Strings per record of each kind, from the working list's table.
constexpr int RecordWidth(int section) {
  return static_cast<int>(Layout(section).fieldCount);
}
inline constexpr int kSatNameWidth = RecordWidth(kSectionSatName);
inline constexpr int kSatelliteWidth = RecordWidth(kSectionSatellite);
inline constexpr int kDigitalTpWidth = RecordWidth(kSectionDigitalTp);
inline constexpr int kAnalogWidth = RecordWidth(kSectionAnalogTp);
inline constexpr int kChannelWidth = RecordWidth(kSectionChannel);
inline constexpr int kPidWidth = RecordWidth(kSectionPidChannel);

// Field positions inside a record.
namespace field {
inline constexpr int kIndex = 0;
// SATELLITE
inline constexpr int kSatName = 1;
inline constexpr int kSatBlank = 2;
inline constexpr int kSatLnbHigh = 3;
inline constexpr int kSatLnbLow = 4;
inline constexpr int kSatPosition = 5;
inline constexpr int kSatDegree = 6;
// DIGITAL TP
inline constexpr int kTpSat = 1;
inline constexpr int kTpFrequency = 2;
inline constexpr int kTpSymbolRate = 3;
inline constexpr int kTpPolar = 4;
inline constexpr int kTpBouquet = 5;
// CHANNEL
inline constexpr int kChTp = 1;
inline constexpr int kChSat = 2;
inline constexpr int kChSvcId = 3;
inline constexpr int kChType = 4;
inline constexpr int kChName = 5;
inline constexpr int kChAudio = 6;
inline constexpr int kChBlank = 7;
// CHANNEL_PID
inline constexpr int kPidTp = 1;
inline constexpr int kPidSat = 2;
inline constexpr int kPidType = 3;
inline constexpr int kPidName = 4;
// ANALOG
inline constexpr int kAnSat = 1;
inline constexpr int kAnFrequency = 2;
inline constexpr int kAnName = 4;
inline constexpr int kAnType = 16;
}  // namespace field

// Where one section lies in the list: the start and end marker indices, or -1.
struct SectionSpan {
  long start = -1;
  long end = -1;
  bool Found() const { return start >= 0 && end > start; }
  long First() const { return start + 1; }  // first string of the first record
  long Strings() const { return Found() ? end - start - 1 : 0; }
  long Records(int width) const { return Strings() / width; }
};

// The markers of all six sections, found by one scan from the start (the first exact
// match of each marker counts).
struct SectionMap {
  std::array<SectionSpan, kListSectionCount> spans;
  const SectionSpan& operator[](ListSection s) const { return spans[static_cast<size_t>(s)]; }
  static SectionMap Locate(const std::vector<std::string>& fields);
};

// The decimal value of a field as the receiver's numbers are read: leading blanks and a
// sign allowed, stops at the first non-digit, no digits give 0.
long DecimalValue(const std::string& text);

}  // namespace lumoscope
