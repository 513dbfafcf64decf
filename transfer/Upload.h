#pragma once
// Fetching the receiver's channel list through its text console.
#include <string>

namespace lumoscope {

class CListDB;

// Told when the person stopped the upload: nothing was written.
inline constexpr const char* kUploadCancelledMessage =
    "The upload was cancelled and nothing was saved. To try again, wait until the receiver's "
    "display shows \"___1\", then choose Upload.";

// The fixed upload file, "VXRupload.txt" in the user's private upload folder
// (UploadFolderPath). After a completed upload it holds the filtered list; the desktop
// opens it as "the uploaded list".
std::string UploadFilePath();

// The file the filter writes before it takes the upload file's name: the same name with
// "Temp" in front of its ".txt" (or appended when there is none).
std::string FilteredUploadPath(const std::string& uploadPath);

// Fetches the receiver's list through the port of the list's options into the fixed
// upload file.
bool UploadChannelList(CListDB& db);

// The same upload into `target`. The link factory's cancel (if any) can stop it; it then
// ends within a second with the port released and no file written. The received bytes and the filtered list
// are written in `workFolder`, a folder only the user can enter (made when missing, refused when others can
// enter it). `target` is replaced only by a complete upload, and only once the whole list is written.
bool UploadChannelListTo(CListDB& db, const std::string& target, const std::string& workFolder);

}  // namespace lumoscope
