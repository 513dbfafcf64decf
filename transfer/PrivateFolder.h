#pragma once
// The per-user folder of the upload files. The upload writes what the receiver prints
// before anybody has looked at it; in a folder that other local users can write, one of
// them could plant a link under the expected name and have the upload overwrite any file
// of the user, or read the list. In a folder that only the user can enter, nobody else
// can do either.
#include <string>

#include "base/FileFailure.h"

namespace lumoscope {

// "$XDG_RUNTIME_DIR/lumoscope" when that folder is set and usable (a folder of this user
// that only the user can enter), else "$XDG_CACHE_HOME/lumoscope" (by default
// "~/.cache/lumoscope"). The folder itself is made by PreparePrivateFolder.
std::string UploadFolderPath();

// Creates `folder` (and missing parents) with mode 0700 when it does not exist. An
// existing one must be a folder (not a link) owned by this user with mode 0700; anything
// else is refused with the reason in `failure`.
bool PreparePrivateFolder(const std::string& folder, FileFailure& failure);

// Creates the file `path` in a private folder anew for reading and writing: an earlier
// file (or link) of that name is removed first, and the new one is created without
// following links and without taking over a file that appeared meanwhile. Returns the
// descriptor, or -1 with `failure` saying why.
int CreatePrivateFile(const std::string& path, FileFailure& failure);

}  // namespace lumoscope
