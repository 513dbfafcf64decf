#pragma once
// Checks of the values typed into the channel dialogs, the section views and the command
// line's `set`. An edit must leave a list that the text reader accepts after saving, so
// every value the reader (or the writer's fixed columns, or the receiver image) would
// refuse is refused here, with a message naming the field. The dialogs run the checks
// before closing with OK; the new-channel and edit-channel logic run them again on what
// they received.
#include <optional>
#include <string>

#include "base/ListLimits.h"
#include "base/NameText.h"
#include "editing/ChannelForms.h"

namespace lumoscope {

// Each returns the refusal message, or nothing when the value is fine. `field` is the
// label used in the message.
std::optional<std::string> CheckTuningDigits(const std::string& value, const char* field);  // 4 or 5 digits
std::optional<std::string> CheckServiceId(const std::string& value);                // 1 to 4 hex digits
std::optional<std::string> CheckByte(const std::string& value, const char* field);  // 0 to 255
std::optional<std::string> CheckPid(const std::string& value, const char* field);   // 0 to 8191
std::optional<std::string> CheckAudioFrequency(const std::string& value, const char* field);  // d.dd
// Where a name stands in the text file: on a satellite's line the reader takes
// everything from a "#" on as a comment.
enum class NamePlace { Record, SatelliteLine };

// A stored name as the list can hold it: 1 to 13 characters (an empty name reads back as
// "--"), no double quote or control character, no "~" (it reads back as a blank), no "#"
// on a satellite's line, and none of the section markers.
std::optional<std::string> CheckName(const std::string& value, const char* field,
                                     NamePlace place = NamePlace::Record);
// A name from outside (a scan table's file name, a service's name in a channel file: UTF-8,
// or else in the list's encoding) in the bytes a name of the list can hold: a character
// the name encoding has is stored as its byte, any other as "?"; double quotes, "~" (read
// back as a blank), control characters and, on a satellite's line, "#" (a comment there)
// part words like blanks. The length is left as it is.
std::string StorableName(const std::string& text, const NameCodec& names,
                         NamePlace place = NamePlace::Record);
// A typed (UTF-8) name: every character must have its byte in the name encoding (the
// refusal names the first that has none), and the bytes must pass CheckName. `stored`
// receives the bytes when the name is fine.
std::optional<std::string> CheckTypedName(const std::string& typed, const char* field, const NameCodec& names,
                                          std::string* stored = nullptr, NamePlace place = NamePlace::Record);

// All checks of a form, in the order of the dialog's fields; the first refusal wins. With
// `shown`, the form a dialog was opened with to edit a channel, only the values that
// differ from it are checked: the others are the list's own, which the reader accepted.
std::optional<std::string> CheckDigitalForm(const DigitalChannelForm& form, const NameCodec& names,
                                            const DigitalChannelForm* shown = nullptr);
// The analog name is checked as it is stored: trimmed and upper-cased.
std::optional<std::string> CheckAnalogForm(const AnalogChannelForm& form, const NameCodec& names,
                                           const AnalogChannelForm* shown = nullptr);

}  // namespace lumoscope
