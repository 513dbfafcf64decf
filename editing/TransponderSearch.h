#pragma once
// Looking for a digital transponder that a new channel can share, and the question put
// to the person when only a nearly equal one exists.
#include <optional>
#include <string>
#include <vector>

#include "base/SectionLocator.h"

namespace lumoscope {

class IReporter;

// Tuning frequency and symbol rate closer than this (in MHz and KHz) count as the same
// transponder typed slightly differently.
inline constexpr long kSimilarTuningTolerance = 5;

struct TuningValues {
  std::string frequency;
  std::string symbolRate;
  std::string polarization;  // kHorizontal or kVertical
  std::string satelliteIndex;
};

// Record numbers within the DIGITAL section. Exact: all four lines equal as text.
std::optional<size_t> FindExactTransponder(const std::vector<std::string>& fields, const SectionSpan& digital,
                                           const TuningValues& wanted);
// Similar: same polarization and satellite, frequency and symbol rate each within the
// tolerance; the first such record only.
std::optional<size_t> FindSimilarTransponder(const std::vector<std::string>& fields,
                                             const SectionSpan& digital, const TuningValues& wanted);

// Text of the Yes/No/Cancel question about a similar transponder.
std::string SimilarTransponderQuestion(const std::vector<std::string>& fields, const SectionSpan& digital,
                                       size_t record);
inline constexpr const char* kSimilarTransponderCaption = "REPLACE";

enum class TransponderChoice { Reuse, MakeNew, Cancelled };

// The transponder a channel with these tuning values goes to: an exact match is reused
// silently (its index into `transponderIndex`); for a near one the person is asked
// (Yes: reuse it, No: make a new one, Cancel).
TransponderChoice ChooseTransponder(const std::vector<std::string>& fields, const SectionSpan& digital,
                                    const TuningValues& wanted, IReporter& reporter,
                                    std::string& transponderIndex);

}  // namespace lumoscope
