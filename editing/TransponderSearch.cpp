#include "editing/TransponderSearch.h"

#include <cstdlib>

#include "base/Reporter.h"
#include "editing/FieldValues.h"

namespace lumoscope {

namespace {

bool SamePlace(const std::vector<std::string>& fields, const SectionRange& digital, size_t r,
               const TuningValues& w) {
  return fields[digital.Line(r, kTpPolarizationLine)] == w.polarization &&
         fields[digital.Line(r, kTpSatelliteLine)] == w.satelliteIndex;
}

bool Near(const std::string& a, const std::string& b) {
  return std::labs(LeadingInteger(a) - LeadingInteger(b)) < kSimilarTuningTolerance;
}

}  // namespace

std::optional<size_t> FindExactTransponder(const std::vector<std::string>& fields,
                                           const SectionRange& digital, const TuningValues& wanted) {
  for (size_t r = 0; r < digital.RecordCount(); ++r) {
    if (fields[digital.Line(r, kTpFrequencyLine)] == wanted.frequency &&
        fields[digital.Line(r, kTpSymbolRateLine)] == wanted.symbolRate &&
        SamePlace(fields, digital, r, wanted))
      return r;
  }
  return std::nullopt;
}

std::optional<size_t> FindSimilarTransponder(const std::vector<std::string>& fields,
                                             const SectionRange& digital, const TuningValues& wanted) {
  for (size_t r = 0; r < digital.RecordCount(); ++r) {
    if (Near(fields[digital.Line(r, kTpFrequencyLine)], wanted.frequency) &&
        Near(fields[digital.Line(r, kTpSymbolRateLine)], wanted.symbolRate) &&
        SamePlace(fields, digital, r, wanted))
      return r;
  }
  return std::nullopt;
}

std::string SimilarTransponderQuestion(const std::vector<std::string>& fields, const SectionRange& digital,
                                       size_t record) {
  std::string text = "Most alike TP exist, Replace with founded TP?";
  text += "\r\n\r\nfounded TP's information:";
  text += Format("\r\nFreguency   : %s", fields[digital.Line(record, kTpFrequencyLine)].c_str());
  text += Format("\r\nSymbol Rate : %s", fields[digital.Line(record, kTpSymbolRateLine)].c_str());
  text += "\r\nPolarization :";
  text += fields[digital.Line(record, kTpPolarizationLine)] == "H" ? "Horizontal" : "Vertical";
  text += "\r\n";
  text += "\r\nYES\t\t=> REPLACE with founded TP";
  text += "\r\nNO\t\t=> Make NEW TP";
  text += "\r\nCANCEL\t=> Cancel";
  return text;
}

}  // namespace lumoscope
