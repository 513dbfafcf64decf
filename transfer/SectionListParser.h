#pragma once
// Turns the text of a channel list into the working section list (the list view's
// m_fields): per section a start marker, one string per field of every record, and an
// end marker.
#include <string>
#include <string_view>
#include <vector>

namespace lumoscope {

class IReporter;
class PreparedLines;

inline constexpr const char* kAnchorMissingMessage =
    "CHANNEL PID SECTION not foundD!!!\r\nDisplaying infomation may be disodered!!";

// Appends the sections of `text` to `list`. `resave` is set when a digital channel has
// an SVC ID or D_TP index of value 0 (such lists are saved again at once). False after
// a refused line (the person has been told); `list` then gets nothing.
bool ParseSectionList(std::string_view text, IReporter& reporter, std::vector<std::string>& list,
                      bool& resave);
// The same on lines already split and prepared (those the check read).
bool ParseSectionList(const PreparedLines& lines, IReporter& reporter, std::vector<std::string>& list,
                      bool& resave);

}  // namespace lumoscope
