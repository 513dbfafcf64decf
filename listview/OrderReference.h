#pragma once
// The reference a list is ordered like: another channel list, or a plain text file of
// channel names, one per line (a customer's wish list, or what a technician copied off
// a screen). Which one a file is, is read from its content: a file with a section header
// of the list format at the start of a line ("[DIGITAL CHANNEL]", "[SATELLITE]", ...) is
// a channel list and must load as one; any other file holds names.
#include <optional>
#include <string>
#include <vector>

#include "base/Options.h"
#include "listview/ChannelIdentity.h"

namespace lumoscope {

class IReporter;

inline constexpr const char* kReferenceUnreadable = "The reference list cannot be read. Nothing was changed.";

struct OrderReference {
  bool isList = false;
  std::vector<ChannelEntry> channels;  // a list: its channels (null channels left out), in order
  std::vector<std::string> names;      // a names file: its non-empty lines, blanks trimmed
};

// True when `text` has a line that starts with one of the list format's section headers.
bool LooksLikeChannelList(const std::string& text);

// Reads the reference at `path`. A channel list is loaded with the list's own checks
// (under `options`); nothing, after telling the person why, when the file cannot be read
// or is a channel list that does not load.
std::optional<OrderReference> ReadOrderReference(const std::string& path, const AppOptions& options,
                                                 IReporter& reporter);

}  // namespace lumoscope
