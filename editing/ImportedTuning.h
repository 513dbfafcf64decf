#pragma once
// Tuning that comes from outside (a scan table, a channel file) as the list keeps it, for
// the imports of transponders and of channels: frequencies in MHz and symbol rates in
// kS/s of 4 or 5 digits, H or V, on a satellite whose transponders are told apart by
// frequency and polarisation.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/SectionLocator.h"
#include "editing/ScanTable.h"

namespace lumoscope {

// A transponder the list has on the satellite already: same polarisation, frequency this
// close in MHz.
inline constexpr long kSameTransponderMHz = 2;

// The bands a satellite LNB receives, in kHz: C band, Ku band and Ka band. A frequency
// outside them is a slip in the file (MHz written where kHz belongs) or a terrestrial
// one, never a transponder of the satellite.
struct LnbBand {
  uint32_t lowKHz;
  uint32_t highKHz;
};
inline constexpr LnbBand kLnbBands[] = {
    {3'400'000, 4'200'000}, {10'700'000, 12'750'000}, {17'300'000, 22'200'000}};
inline constexpr const char* kLnbBandsText =
    "C band 3,400-4,200 MHz, Ku band 10,700-12,750 MHz, Ka band 17,300-22,200 MHz";
bool InLnbBand(uint32_t frequencyKHz);

// " line 7 (2100000 kHz), line 9 (...) and 3 more": the entries out of the bands, the
// first ten by their lines.
std::string OutOfBandLines(const std::vector<std::pair<int, uint32_t>>& outOfBand);

struct ListTuning {
  long frequency;                 // MHz
  long symbolRate;                // kS/s
  std::string_view polarization;  // kHorizontal or kVertical
};

// The tuning the list keeps for these values; circular polarisations are stored as the
// receiver's two keywords, left as H and right as V. Nothing without a polarisation, or
// with a frequency or symbol rate the list's 4 or 5 digits cannot hold.
std::optional<ListTuning> ListTuningOf(uint32_t frequencyKHz, uint32_t symbolRate,
                                       ScanPolarization polarization);
bool IsCircular(ScanPolarization polarization);

// A tuning value as the list writes it: at least 4 digits ("0950").
std::string TuningDigits(long value);

// The transponders of one satellite of the list, as the imports look them up.
struct KnownTransponder {
  long frequency;
  long symbolRate;
  std::string polarization;
  std::string index;  // as the list has it
};
std::vector<KnownTransponder> TranspondersOf(const std::vector<std::string>& fields,
                                             const SectionSpan& digital, long satellite);
// The first transponder with exactly this tuning, else the first of the same polarisation
// within kSameTransponderMHz; null when there is none.
const KnownTransponder* SameTransponder(const std::vector<KnownTransponder>& known, const ListTuning& tuning);

}  // namespace lumoscope
