#pragma once
// A channel's record and the form its dialog shows, both ways: the form a record opens
// its dialog with (names decoded, keywords as list positions, the transponder's tuning,
// the satellite's place in the dialog's list), and the record a form stands for.
#include <optional>
#include <string>
#include <vector>

#include "base/NameText.h"
#include "base/SectionLocator.h"
#include "editing/ChannelForms.h"

namespace lumoscope {

// The form of the CHANNEL or CHANNEL_PID record at `first`, with the tuning and bouquet
// of the transponder it names (left empty when it names none).
DigitalChannelForm DigitalFormOf(const std::vector<std::string>& fields, const SectionLocator& sections,
                                 Section kind, size_t first, const NameCodec& names);
// The form of the ANALOG record at `first`.
AnalogChannelForm AnalogFormOf(const std::vector<std::string>& fields, const SectionLocator& sections,
                               size_t first, const NameCodec& names);

// The 18 strings of an analog record from a checked form: the name trimmed and upper-cased
// and encoded, the keywords by list position (a position past a list takes its last word).
std::vector<std::string> AnalogRecordOf(const AnalogChannelForm& form, const std::string& index,
                                        const std::string& satelliteIndex, const std::string& blank,
                                        const NameCodec& names);

// The record an edited form gives, field by field: where the record made from the edited
// form equals the one made from the form as it was shown, the record keeps its own text
// (a keyword written the reader's longer way, a name's undefined bytes); elsewhere it
// takes the edit.
std::vector<std::string> MergeEdit(const std::string* record, const std::vector<std::string>& fromShown,
                                   const std::vector<std::string>& fromEdited);

}  // namespace lumoscope
