#pragma once
// The texts of the about box: version, date of the last change, what this edition
// leaves out, and the version history, line breaks and tabs as the program shows them.
#include <string>

namespace lumoscope {

inline constexpr const char* kAboutTitle = "About Lumoscope Lite";
inline constexpr const char* kAboutVersionLabel = "Lumoscope Version :\r\n\r\nLast Modefied Date: ";
inline constexpr const char* kAboutVersion = "1.0000";
inline constexpr const char* kAboutDate = "2000.10.10";
inline constexpr const char* kAboutNotSupported = "Not Support Pid Section";
inline constexpr const char* kAboutHistoryLabel = "- - History - -";
inline constexpr const char* kAboutOkButton = "O K";

// The version history, oldest first, ending with the line of this edition.
std::string AboutHistory();

}  // namespace lumoscope
