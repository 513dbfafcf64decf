#include "editing/ChannelFormChecks.h"

#include <algorithm>
#include <cctype>

#include "base/FieldConversions.h"
#include "base/Reporter.h"
#include "base/Sections.h"

namespace lumoscope {

namespace {

// Frequencies and symbol rates are stored as packed decimal of 4 or 5 digits.
constexpr size_t kMinTuningDigits = 4;
constexpr size_t kMaxTuningDigits = 5;
// The service ID is a 16-bit value: at most 4 hexadecimal digits.
constexpr size_t kMaxServiceIdDigits = 4;
// Threshold, contrast and active audio are single bytes in the receiver image.
constexpr long kMaxByteValue = 255;
constexpr size_t kMaxByteDigits = 3;

bool AllOf(const std::string& s, int (*pred)(int)) {
  return std::all_of(s.begin(), s.end(), [pred](char c) { return pred(static_cast<unsigned char>(c)) != 0; });
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<std::string> CheckTuningDigits(const std::string& value, const char* field) {
  if (value.size() < kMinTuningDigits || value.size() > kMaxTuningDigits || !AllOf(value, std::isdigit))
    return Format("%s must be 4 or 5 digits (0-9), such as 11727.", field);
  return std::nullopt;
}

std::optional<std::string> CheckServiceId(const std::string& value) {
  if (value.empty() || value.size() > kMaxServiceIdDigits || !AllOf(value, std::isxdigit))
    return std::string("SVC ID(hex) must be 1 to 4 hexadecimal digits (0-9, A-F), such as 1A2F.");
  return std::nullopt;
}

std::optional<std::string> CheckByte(const std::string& value, const char* field) {
  if (value.empty() || value.size() > kMaxByteDigits || !AllOf(value, std::isdigit) ||
      std::stol(value) > kMaxByteValue)
    return Format("%s must be a number from 0 to 255.", field);
  return std::nullopt;
}

std::optional<std::string> CheckAudioFrequency(const std::string& value, const char* field) {
  const bool ok =
      value.size() == 4 && IsDigit(value[0]) && value[1] == '.' && IsDigit(value[2]) && IsDigit(value[3]);
  if (!ok) return Format("%s must be written d.dd (a digit, a point and two digits), such as 6.50.", field);
  return std::nullopt;
}

std::optional<std::string> CheckName(const std::string& value, const char* field) {
  if (value.size() > kMaxNameLength) return Format("%s must be at most 13 characters long.", field);
  if (value.find('"') != std::string::npos) return Format("%s must not contain double quotes.", field);
  if (std::any_of(value.begin(), value.end(),
                  [](char c) { return std::iscntrl(static_cast<unsigned char>(c)); }))
    return Format("%s must not contain tabs or other control characters.", field);
  std::string readBack = value;
  std::replace(readBack.begin(), readBack.end(), '~', ' ');
  if (IsSectionMarker(readBack))
    return Format("%s must not be \"%s\": that text marks a section of the channel list.", field,
                  readBack.c_str());
  return std::nullopt;
}

std::optional<std::string> CheckDigitalForm(const DigitalChannelForm& form) {
  if (auto p = CheckName(form.name, "Name")) return p;
  if (auto p = CheckServiceId(form.svcId)) return p;
  if (auto p = CheckByte(form.activeAudio, "Active Audio")) return p;
  if (auto p = CheckTuningDigits(form.frequency, "Frequency[MHz]")) return p;
  if (auto p = CheckTuningDigits(form.symbolRate, "Symbol Rate[KHz]")) return p;
  return CheckName(Trimmed(form.bouquet), "Bouquet");
}

std::optional<std::string> CheckAnalogForm(const AnalogChannelForm& form) {
  if (auto p = CheckName(form.name, "Name")) return p;
  if (auto p = CheckName(TrimmedUpper(form.name), "Name")) return p;
  if (auto p = CheckTuningDigits(form.frequency, "Frequency[MHz]")) return p;
  if (auto p = CheckByte(form.threshold, "Threshold")) return p;
  if (auto p = CheckByte(form.contrast, "Contrast")) return p;
  if (auto p = CheckAudioFrequency(form.audioLeft, "Audio Freq LEFT[MHz]")) return p;
  return CheckAudioFrequency(form.audioRight, "Audio Freq RIGHT[MHz]");
}

}  // namespace lumoscope
