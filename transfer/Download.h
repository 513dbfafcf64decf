#pragma once
// The flash download of a binary image into the receiver.
#include <string>

namespace lumoscope {

class CListDB;

// Downloads the ".bin" file `path` through the port of the list's options.
bool DownloadImage(CListDB& db, const std::string& path);

// Downloads the list's own ".bin".
bool DownloadCurrentList(CListDB& db);

}  // namespace lumoscope
