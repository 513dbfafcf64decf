#pragma once
// Opening the files the program reads. Only regular files are read, and only up to a
// size no channel list, hex image or binary image comes near: a named pipe would hold
// the program until somebody writes into it, a device such as /dev/zero would be read
// until memory runs out, and a folder has nothing to read. Links are followed, so a
// list kept behind a symbolic link is read as the file it names.
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/FileFailure.h"

namespace lumoscope {

// A list at the format's limits is about 1 MB and its images are smaller; 16 MiB leaves
// room for comments and blank lines and still refuses anything that is not a list.
inline constexpr size_t kMaxInputFileBytes = 16 * 1024 * 1024;

// One version of a file on the disk: which file it is and when it was last written.
// Two identities differ when the file was replaced or written in between.
struct FileIdentity {
  bool exists = false;
  uint64_t device = 0;
  uint64_t inode = 0;
  int64_t size = 0;
  int64_t mtimeSec = 0;
  int64_t mtimeNsec = 0;

  bool operator==(const FileIdentity&) const = default;
};

// The identity of the file `path` names (links followed); `exists` false when there is
// none.
FileIdentity IdentityOf(const std::string& path);

// Why a file of this type is not read or written as a list: "Is a named pipe, not a
// regular file" and the like; empty for a regular file.
std::string NotRegularReason(mode_t mode);

// Opens `path` for reading when it is a regular file of at most `maxBytes`. Returns the
// descriptor (the caller closes it), or -1 with `failure` saying why. `identity`, when
// given, receives the identity of the file that was opened.
int OpenInputFile(const std::string& path, FileFailure& failure, FileIdentity* identity = nullptr,
                  size_t maxBytes = kMaxInputFileBytes);

}  // namespace lumoscope
