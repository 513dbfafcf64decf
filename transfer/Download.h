#pragma once
// The flash download of a binary image into the receiver.
#include <string>

namespace lumoscope {

class CListDB;

// Shown instead of the step's own message when the person stopped the download.
inline constexpr const char* kDownloadCancelledMessage =
    "The download was cancelled, so the receiver is left as after a failed download: switch it off "
    "and on again, then start the download anew.";

// Downloads the ".bin" file `path` through the port of the list's options. The link
// factory's cancel (if any) can stop it; it then ends within a second, with the port
// released.
bool DownloadImage(CListDB& db, const std::string& path);

// Downloads the list's own ".bin".
bool DownloadCurrentList(CListDB& db);

}  // namespace lumoscope
