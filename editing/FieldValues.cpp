#include "editing/FieldValues.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "base/FieldConversions.h"
#include "base/RecordFields.h"

namespace lumoscope {

long LeadingInteger(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  constexpr long kLimit = std::numeric_limits<long>::max() / 10 - 9;
  long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    if (value < kLimit) value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

std::optional<long> LargestInField(const std::vector<std::string>& fields, const SectionSpan& span,
                                   int field) {
  std::optional<long> largest;
  for (size_t r = 0; r < span.Records(); ++r) {
    const long v = LeadingInteger(fields[span.At(r, field)]);
    largest = largest ? std::max(*largest, v) : v;
  }
  return largest;
}

std::optional<size_t> FindSatelliteRecord(const std::vector<std::string>& fields,
                                          const SectionSpan& satellites, const std::string& index) {
  const std::string wanted = Trimmed(index);
  if (wanted.empty() || wanted.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  for (size_t r = 0; r < satellites.Records(); ++r)
    if (LeadingInteger(fields[satellites.At(r, field::kIndex)]) == LeadingInteger(wanted)) return r;
  return std::nullopt;
}

}  // namespace lumoscope
