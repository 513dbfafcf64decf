#include "editing/TransponderSearch.h"

#include <cstdlib>

#include "base/Keywords.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "editing/FieldValues.h"

namespace lumoscope {

namespace {

bool SamePlace(const std::vector<std::string>& fields, const SectionSpan& digital, size_t r,
               const TuningValues& w) {
  return fields[digital.At(r, field::kTpPolar)] == w.polarization &&
         fields[digital.At(r, field::kTpSat)] == w.satelliteIndex;
}

bool Near(const std::string& a, const std::string& b) {
  return std::labs(LeadingInteger(a) - LeadingInteger(b)) < kSimilarTuningTolerance;
}

}  // namespace

std::optional<size_t> FindExactTransponder(const std::vector<std::string>& fields, const SectionSpan& digital,
                                           const TuningValues& wanted) {
  for (size_t r = 0; r < digital.Records(); ++r) {
    if (fields[digital.At(r, field::kTpFrequency)] == wanted.frequency &&
        fields[digital.At(r, field::kTpSymbolRate)] == wanted.symbolRate &&
        SamePlace(fields, digital, r, wanted))
      return r;
  }
  return std::nullopt;
}

std::optional<size_t> FindSimilarTransponder(const std::vector<std::string>& fields,
                                             const SectionSpan& digital, const TuningValues& wanted) {
  for (size_t r = 0; r < digital.Records(); ++r) {
    if (Near(fields[digital.At(r, field::kTpFrequency)], wanted.frequency) &&
        Near(fields[digital.At(r, field::kTpSymbolRate)], wanted.symbolRate) &&
        SamePlace(fields, digital, r, wanted))
      return r;
  }
  return std::nullopt;
}

std::string SimilarTransponderQuestion(const std::vector<std::string>& fields, const SectionSpan& digital,
                                       size_t record) {
  std::string text = "Most alike TP exist, Replace with founded TP?";
  text += "\r\n\r\nfounded TP's information:";
  text += Format("\r\nFreguency   : %s", fields[digital.At(record, field::kTpFrequency)].c_str());
  text += Format("\r\nSymbol Rate : %s", fields[digital.At(record, field::kTpSymbolRate)].c_str());
  text += "\r\nPolarization :";
  text += fields[digital.At(record, field::kTpPolar)] == kHorizontal ? "Horizontal" : "Vertical";
  text += "\r\n";
  text += "\r\nYES\t\t=> REPLACE with founded TP";
  text += "\r\nNO\t\t=> Make NEW TP";
  text += "\r\nCANCEL\t=> Cancel";
  return text;
}

TransponderChoice ChooseTransponder(const std::vector<std::string>& fields, const SectionSpan& digital,
                                    const TuningValues& wanted, IReporter& reporter,
                                    std::string& transponderIndex) {
  if (auto exact = FindExactTransponder(fields, digital, wanted)) {
    transponderIndex = fields[digital.At(*exact, field::kIndex)];
    return TransponderChoice::Reuse;
  }
  const auto similar = FindSimilarTransponder(fields, digital, wanted);
  if (!similar) return TransponderChoice::MakeNew;
  switch (reporter.AskYesNoCancel(SimilarTransponderQuestion(fields, digital, *similar),
                                  kSimilarTransponderCaption)) {
    case Answer::Yes:
      transponderIndex = fields[digital.At(*similar, field::kIndex)];
      return TransponderChoice::Reuse;
    case Answer::No:
      return TransponderChoice::MakeNew;
    case Answer::Cancel:
      break;
  }
  return TransponderChoice::Cancelled;
}

}  // namespace lumoscope
