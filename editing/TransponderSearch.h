#pragma once
// Looking for a digital transponder that a new channel can share, and the question put
// to the person when only a nearly equal one exists.
#include <optional>
#include <string>
#include <vector>

#include "editing/SectionLocator.h"

namespace lumoscope {

// Lines of a DIGITAL record.
inline constexpr size_t kTpIndexLine = 0;
inline constexpr size_t kTpSatelliteLine = 1;
inline constexpr size_t kTpFrequencyLine = 2;
inline constexpr size_t kTpSymbolRateLine = 3;
inline constexpr size_t kTpPolarizationLine = 4;
inline constexpr size_t kTpCommentLine = 5;

// Tuning frequency and symbol rate closer than this (in MHz and KHz) count as the same
// transponder typed slightly differently.
inline constexpr long kSimilarTuningTolerance = 5;

struct TuningValues {
  std::string frequency;
  std::string symbolRate;
  std::string polarization;  // "H" or "V"
  std::string satelliteIndex;
};

// Record numbers within the DIGITAL section. Exact: all four lines equal as text.
std::optional<size_t> FindExactTransponder(const std::vector<std::string>& fields,
                                           const SectionRange& digital, const TuningValues& wanted);
// Similar: same polarization and satellite, frequency and symbol rate each within the
// tolerance; the first such record only.
std::optional<size_t> FindSimilarTransponder(const std::vector<std::string>& fields,
                                             const SectionRange& digital, const TuningValues& wanted);

// Text of the Yes/No/Cancel question about a similar transponder.
std::string SimilarTransponderQuestion(const std::vector<std::string>& fields, const SectionRange& digital,
                                       size_t record);
inline constexpr const char* kSimilarTransponderCaption = "REPLACE";

}  // namespace lumoscope
