#include "editing/ChannelFormChecks.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <initializer_list>
#include <utility>

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
// A PID is 13 bits wide in a transport stream.
constexpr long kMaxPid = 8191;
constexpr size_t kMaxPidDigits = 4;

bool AllOf(const std::string& s, int (*pred)(int)) {
  return std::all_of(s.begin(), s.end(), [pred](char c) { return pred(static_cast<unsigned char>(c)) != 0; });
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string StorableName(const std::string& text, const NameCodec& names, NamePlace place) {
  const std::string utf8 = TextToUtf8(text, names);
  std::string stored;
  for (size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const std::string character = utf8.substr(i, length);
    i += length;
    if (length == 1) {
      const bool parts = (lead == '#' && place == NamePlace::SatelliteLine) || lead == '~' || lead == '"' ||
                         std::iscntrl(lead) != 0;
      stored += parts ? ' ' : character[0];
      continue;
    }
    std::string problem;
    stored += names.Encode(character, problem).value_or("?");
  }
  return stored;
}

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

std::optional<std::string> CheckPid(const std::string& value, const char* field) {
  if (value.empty() || value.size() > kMaxPidDigits || !AllOf(value, std::isdigit) ||
      std::stol(value) > kMaxPid)
    return Format("%s must be a number from 0 to 8191.", field);
  return std::nullopt;
}

std::optional<std::string> CheckAudioFrequency(const std::string& value, const char* field) {
  const bool ok =
      value.size() == 4 && IsDigit(value[0]) && value[1] == '.' && IsDigit(value[2]) && IsDigit(value[3]);
  if (!ok) return Format("%s must be written d.dd (a digit, a point and two digits), such as 6.50.", field);
  return std::nullopt;
}

std::optional<std::string> CheckName(const std::string& value, const char* field, NamePlace place) {
  if (value.empty()) return Format("%s must not be empty: the list cannot store an empty name.", field);
  if (value.size() > kMaxNameLength) return Format("%s must be at most 13 characters long.", field);
  if (value.find('"') != std::string::npos) return Format("%s must not contain double quotes.", field);
  if (std::any_of(value.begin(), value.end(),
                  [](char c) { return std::iscntrl(static_cast<unsigned char>(c)); }))
    return Format("%s must not contain tabs or other control characters.", field);
  if (value.find('~') != std::string::npos)
    return Format("%s must not contain \"~\": the list reads it back as a blank; type a blank instead.",
                  field);
  if (place == NamePlace::SatelliteLine && value.find('#') != std::string::npos)
    return Format("%s must not contain \"#\": on a satellite's line the rest from \"#\" on is a comment.",
                  field);
  if (IsSectionMarker(value))
    return Format("%s must not be \"%s\": that text marks a section of the channel list.", field,
                  value.c_str());
  return std::nullopt;
}

std::optional<std::string> CheckTypedName(const std::string& typed, const char* field, const NameCodec& names,
                                          std::string* stored, NamePlace place) {
  std::string problem;
  const std::optional<std::string> bytes = names.Encode(typed, problem);
  if (!bytes) return Format("%s cannot be stored: %s.", field, problem.c_str());
  if (auto p = CheckName(*bytes, field, place)) return p;
  if (stored != nullptr) *stored = *bytes;
  return std::nullopt;
}

namespace {

using FieldCheck = std::function<std::optional<std::string>(const std::string& value)>;

// A check of one form field under its label.
FieldCheck Labelled(std::optional<std::string> (*check)(const std::string&, const char*), const char* label) {
  return [check, label](const std::string& value) { return check(value, label); };
}

// Runs the checks in order, leaving out the fields an edit left as they were shown.
template <typename Form>
std::optional<std::string> CheckFields(
    const Form& form, const Form* shown,
    std::initializer_list<std::pair<std::string Form::*, FieldCheck>> checks) {
  for (const auto& [member, check] : checks) {
    if (shown != nullptr && shown->*member == form.*member) continue;
    if (auto problem = check(form.*member)) return problem;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> CheckDigitalForm(const DigitalChannelForm& form, const NameCodec& names,
                                            const DigitalChannelForm* shown) {
  using F = DigitalChannelForm;
  const FieldCheck name = [&names](const std::string& v) { return CheckTypedName(v, "Name", names); };
  const FieldCheck bouquet = [&names](const std::string& v) {
    return CheckTypedName(Trimmed(v), "Bouquet", names);
  };
  const FieldCheck none = [](const std::string&) { return std::optional<std::string>(); };
  const FieldCheck svcId = [](const std::string& v) { return CheckServiceId(v); };
  const bool pid = form.pid;
  const FieldCheck frequency = Labelled(CheckTuningDigits, "Frequency[MHz]");
  const FieldCheck symbolRate = Labelled(CheckTuningDigits, "Symbol Rate[KHz]");
  // Other tuning goes to a transponder that is searched for or made: then both values must
  // be good, even one left as shown (a channel whose transponder is missing shows none).
  const bool retuned =
      shown != nullptr &&
      (form.frequency != shown->frequency || form.symbolRate != shown->symbolRate ||
       form.horizontal != shown->horizontal || form.satellite.selected != shown->satellite.selected);
  if (auto problem = CheckFields<F>(form, shown,
                                    {{&F::name, name},
                                     {&F::svcId, pid ? none : svcId},
                                     {&F::videoPid, pid ? Labelled(CheckPid, "Video PID") : none},
                                     {&F::audioPid, pid ? Labelled(CheckPid, "Audio PID") : none},
                                     {&F::pcrPid, pid ? Labelled(CheckPid, "PCR PID") : none},
                                     {&F::activeAudio, Labelled(CheckByte, "Active Audio")},
                                     {&F::frequency, frequency},
                                     {&F::symbolRate, symbolRate},
                                     {&F::bouquet, bouquet}}))
    return problem;
  if (!retuned) return std::nullopt;
  return CheckFields<F>(form, nullptr, {{&F::frequency, frequency}, {&F::symbolRate, symbolRate}});
}

std::optional<std::string> CheckAnalogForm(const AnalogChannelForm& form, const NameCodec& names,
                                           const AnalogChannelForm* shown) {
  using F = AnalogChannelForm;
  const FieldCheck name = [&names](const std::string& v) {
    if (auto p = CheckTypedName(v, "Name", names)) return p;
    return CheckTypedName(TrimmedUpper(v), "Name", names);
  };
  return CheckFields<F>(form, shown,
                        {{&F::name, name},
                         {&F::frequency, Labelled(CheckTuningDigits, "Frequency[MHz]")},
                         {&F::threshold, Labelled(CheckByte, "Threshold")},
                         {&F::contrast, Labelled(CheckByte, "Contrast")},
                         {&F::audioLeft, Labelled(CheckAudioFrequency, "Audio Freq LEFT[MHz]")},
                         {&F::audioRight, Labelled(CheckAudioFrequency, "Audio Freq RIGHT[MHz]")}});
}

}  // namespace lumoscope
