#pragma once
// Checks of the values typed into the channel dialogs. A new channel must leave a list
// that the text reader accepts after saving, so every value the reader (or the writer's
// fixed columns) would refuse is refused here, with a message naming the field. The
// dialogs run the checks before closing with OK; the new-channel logic runs them again
// on what it received.
#include <optional>
#include <string>

#include "base/ListLimits.h"
#include "editing/ChannelForms.h"

namespace lumoscope {

// Each returns the refusal message, or nothing when the value is fine. `field` is the
// dialog label used in the message.
std::optional<std::string> CheckTuningDigits(const std::string& value, const char* field);  // 4 or 5 digits
std::optional<std::string> CheckServiceId(const std::string& value);                // 1 to 4 hex digits
std::optional<std::string> CheckByte(const std::string& value, const char* field);  // 0 to 255
std::optional<std::string> CheckAudioFrequency(const std::string& value, const char* field);  // d.dd
// At most 13 characters, no double quote or control character, and, as it reads back
// after a save (where "~" becomes a blank), none of the section markers.
std::optional<std::string> CheckName(const std::string& value, const char* field);

// All checks of a form, in the order of the dialog's fields; the first refusal wins.
std::optional<std::string> CheckDigitalForm(const DigitalChannelForm& form);
// The analog name is checked as it is stored: trimmed and upper-cased.
std::optional<std::string> CheckAnalogForm(const AnalogChannelForm& form);

}  // namespace lumoscope
