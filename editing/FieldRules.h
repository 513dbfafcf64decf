#pragma once
// The fields of the six sections' records: each with its name on the command line (lower
// case with dashes), the title of its column in the section view (which a refusal names)
// and the rule its value follows: the reader's rule, so that every accepted edit leaves a
// list that saves, reopens and compiles. The satellite names, satellites, digital and
// analog transponders are edited field by field (in a cell of their section views, or with
// the command line's `set`); channels in their dialogs, which tie them to a transponder.
// Index fields are read-only: other records refer to them, or the renumbering sets them.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/NameText.h"
#include "base/Sections.h"
#include "editing/NewChannelHost.h"

namespace lumoscope {

enum class FieldKind {
  Index,           // the record's own index: read-only
  Name,            // a name in the name encoding, at most 13 characters
  SatelliteName,   // the same on a satellite's line, where "#" starts a comment
  TuningDigits,    // 4 or 5 digits: frequencies, symbol rates, LNB oscillators
  Keyword,         // one of the field's words
  Byte,            // 0 to 255
  Degree,          // the positioner angle, typed as E019.2 or W075.0, stored in tenths
  SatelliteRef,    // the index of one of the list's satellites
  TransponderRef,  // the index of one of the list's digital transponders
  AudioFrequency,  // d.dd MHz
  ServiceId,       // 1 to 4 hexadecimal digits
  Pid,             // 0 to 8191
};

struct FieldRule {
  int field;             // position in the record
  std::string_view key;  // the command line's name
  const char* title;     // the column title of the section view
  FieldKind kind;
  std::span<const std::string_view> keywords{};  // the words of a Keyword field
};

// Every field of a section's records, in order.
std::span<const FieldRule> FieldRulesOf(Section section);
const FieldRule* FindFieldRule(Section section, std::string_view key);
// Whether a section's records are edited field by field (not the channel sections).
bool EditedByField(Section section);
inline bool IsEditable(const FieldRule& rule) {
  return rule.kind != FieldKind::Index;
}

// The undo step of an edit in a section: "Edit Satellite Name", "Edit Satellite",
// "Edit Transponder".
const char* FieldEditUndoLabel(Section section);

// The text a person sees and starts editing from: a name decoded, the angle in its
// display form (the stored text when it does not convert), anything else as stored.
std::string ShownValue(const FieldRule& rule, const std::string& stored, const NameCodec& names);

// The stored form of a typed (UTF-8) value in the list `fields`; nothing, with `problem`
// naming the field and the reason, when the reader would refuse it.
std::optional<std::string> StoredValue(const std::vector<std::string>& fields, const FieldRule& rule,
                                       const std::string& typed, const NameCodec& names,
                                       std::string& problem);

// Sets one field of record `record` of a section to a typed value, as one undo step, and
// refreshes the view (numbers kept). A refused value changes nothing: the person is told
// the field and the reason (or the receiver's limit the list would pass), and the result
// is false. An unchanged value is no edit (true,
// no undo step). A digital transponder given another satellite takes the channels on it
// along, in the same step: the receiver looks a channel's transponder up on the channel's
// own satellite.
bool SetRecordField(INewChannelHost& host, Section section, size_t record, const FieldRule& rule,
                    const std::string& typed);

}  // namespace lumoscope
