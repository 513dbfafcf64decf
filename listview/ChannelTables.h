#pragma once
// The joined channel tables: one row per channel that says everything about it. Digital
// rows (every CHANNEL record, then every CHANNEL_PID record) have 20 strings: the
// channel's own fields, its transponder's tuning and its satellite; analog rows (every
// ANALOG record) have 23: the record's 18 fields and its satellite. The channel views
// show them, and the export writes them.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/SectionLocator.h"
#include "base/Sections.h"

namespace lumoscope {

inline constexpr int kDigitalRowWidth = 20;
inline constexpr int kAnalogRowWidth = 23;
// The channel views show each joined row and, in one more column at the end, the
// channel's program number (ProgramNumbers).
inline constexpr int kDigitalViewColumns = kDigitalRowWidth + 1;
inline constexpr int kAnalogViewColumns = kAnalogRowWidth + 1;

// Columns of a digital row: the channel's own fields (a CHANNEL record has no PIDs, a
// CHANNEL_PID record no SVC ID), its transponder's, then its satellite's.
namespace digitalcol {
inline constexpr int kNumber = 0;
inline constexpr int kTpIndex = 1;
inline constexpr int kSatIndex = 2;
inline constexpr int kSvcId = 3;
inline constexpr int kType = 4;
inline constexpr int kName = 5;
inline constexpr int kVideoPid = 6;
inline constexpr int kAudioPid = 7;
inline constexpr int kPcrPid = 8;
inline constexpr int kActiveAudio = 9;
inline constexpr int kBlank = 10;
inline constexpr int kFrequency = 11;
inline constexpr int kSymbolRate = 12;
inline constexpr int kPolarization = 13;
inline constexpr int kBouquet = 14;
inline constexpr int kSatName = 15;
inline constexpr int kLnbHigh = 16;
inline constexpr int kLnbLow = 17;
inline constexpr int kPosition = 18;
inline constexpr int kDegree = 19;
}  // namespace digitalcol

// Columns of an analog row: the ANALOG record's 18 fields, then its satellite's.
namespace analogcol {
inline constexpr int kNumber = 0;
inline constexpr int kSatIndex = 1;
inline constexpr int kFrequency = 2;
inline constexpr int kBand = 3;
inline constexpr int kName = 4;
inline constexpr int kVideoBand = 5;
inline constexpr int kPolarization = 6;
inline constexpr int kThreshold = 7;
inline constexpr int kContrast = 8;
inline constexpr int kDecoderOutput = 9;
inline constexpr int kAudioMode = 10;
inline constexpr int kAudioFrequencyLeft = 11;
inline constexpr int kAudioFrequencyRight = 12;
inline constexpr int kAudioBandwidth = 13;
inline constexpr int kDnr = 14;
inline constexpr int kDeemphasis = 15;
inline constexpr int kType = 16;
inline constexpr int kBlank = 17;
inline constexpr int kSatName = 18;
inline constexpr int kLnbHigh = 19;
inline constexpr int kLnbLow = 20;
inline constexpr int kPosition = 21;
inline constexpr int kDegree = 22;
}  // namespace analogcol

// The kind of a channel as the export and the comparison name it: "digital" (a CHANNEL
// record), "pid" (CHANNEL_PID) or "analog" (ANALOG).
const char* ChannelKindName(Section section);

// Rebuilds both tables from the working section list.
void JoinChannelTables(const std::vector<std::string>& fields, std::vector<std::string>& digitalRows,
                       std::vector<std::string>& analogRows);

// The rows of single channels, for a refresh that rebuilds only the rows an edit touched.
// The transponders and satellites are looked up by their Index text (the first record of
// that Index): the first few by walking their section, and once more rows come, through
// lookup tables made then.
class ChannelJoiner {
 public:
  explicit ChannelJoiner(const std::vector<std::string>& fields);
  ChannelJoiner(const std::vector<std::string>& fields, const SectionLocator& sections);

  // Appends the row of the record of `section` (a channel section) at `first`.
  void Append(std::vector<std::string>& out, Section section, size_t first);

 private:
  using IndexMap = std::unordered_map<std::string_view, size_t>;
  // The first string of the record of `span` whose Index is `index`; -1 for none.
  long Find(const SectionSpan& span, IndexMap& map, const std::string& index);
  void AppendTransponder(std::vector<std::string>& out, const std::string& tpIndex);
  void AppendSatellite(std::vector<std::string>& out, const std::string& satIndex);

  const std::vector<std::string>& fields_;
  SectionSpan satellites_;
  SectionSpan transponders_;
  size_t walks_ = 0;  // lookups made by walking a section
  IndexMap sats_;
  IndexMap tps_;
};

}  // namespace lumoscope
