#include "editing/ImportedTuning.h"

#include <algorithm>
#include <cstdlib>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "editing/FieldValues.h"

namespace lumoscope {

namespace {

constexpr long kMaxTuningValue = 99999;  // 5 digits
constexpr size_t kMinTuningDigits = 4;
constexpr uint32_t kPerMega = 1000;  // kHz per MHz, and symbols per second per kS/s
constexpr size_t kOutOfBandShown = 10;

long Rounded(uint32_t value) {
  return static_cast<long>((static_cast<uint64_t>(value) + kPerMega / 2) / kPerMega);
}

}  // namespace

bool InLnbBand(uint32_t frequencyKHz) {
  for (const LnbBand& band : kLnbBands)
    if (frequencyKHz >= band.lowKHz && frequencyKHz <= band.highKHz) return true;
  return false;
}

std::string OutOfBandLines(const std::vector<std::pair<int, uint32_t>>& outOfBand) {
  std::string text;
  const size_t shown = std::min(outOfBand.size(), kOutOfBandShown);
  for (size_t i = 0; i < shown; ++i)
    text += Format("%s line %d (%u kHz)", i == 0 ? "" : ",", outOfBand[i].first, outOfBand[i].second);
  if (shown < outOfBand.size()) text += Format(" and %zu more", outOfBand.size() - shown);
  return text;
}

std::optional<ListTuning> ListTuningOf(uint32_t frequencyKHz, uint32_t symbolRate,
                                       ScanPolarization polarization) {
  ListTuning t{Rounded(frequencyKHz), Rounded(symbolRate), {}};
  switch (polarization) {
    case ScanPolarization::Horizontal:
    case ScanPolarization::CircularLeft:
      t.polarization = kHorizontal;
      break;
    case ScanPolarization::Vertical:
    case ScanPolarization::CircularRight:
      t.polarization = kVertical;
      break;
    case ScanPolarization::None:
      return std::nullopt;
  }
  if (t.frequency < 1 || t.frequency > kMaxTuningValue || t.symbolRate < 1 || t.symbolRate > kMaxTuningValue)
    return std::nullopt;
  return t;
}

bool IsCircular(ScanPolarization polarization) {
  return polarization == ScanPolarization::CircularLeft || polarization == ScanPolarization::CircularRight;
}

std::string TuningDigits(long value) {
  std::string text = std::to_string(value);
  if (text.size() < kMinTuningDigits) text.insert(0, kMinTuningDigits - text.size(), '0');
  return text;
}

std::vector<KnownTransponder> TranspondersOf(const std::vector<std::string>& fields,
                                             const SectionSpan& digital, long satellite) {
  std::vector<KnownTransponder> known;
  for (size_t r = 0; r < digital.Records(); ++r) {
    if (LeadingInteger(fields[digital.At(r, field::kTpSat)]) != satellite) continue;
    known.push_back({LeadingInteger(fields[digital.At(r, field::kTpFrequency)]),
                     LeadingInteger(fields[digital.At(r, field::kTpSymbolRate)]),
                     Trimmed(fields[digital.At(r, field::kTpPolar)]),
                     Trimmed(fields[digital.At(r, field::kIndex)])});
  }
  return known;
}

const KnownTransponder* SameTransponder(const std::vector<KnownTransponder>& known,
                                        const ListTuning& tuning) {
  const KnownTransponder* near = nullptr;
  for (const KnownTransponder& k : known) {
    if (k.polarization != tuning.polarization) continue;
    if (k.frequency == tuning.frequency && k.symbolRate == tuning.symbolRate) return &k;
    if (near == nullptr && std::labs(k.frequency - tuning.frequency) <= kSameTransponderMHz) near = &k;
  }
  return near;
}

}  // namespace lumoscope
