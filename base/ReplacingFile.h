#pragma once
// Writing a file so that a failure never leaves a partial one behind. The bytes go to a
// temporary file in the target's folder, are flushed to the disk and closed, and only
// then does the temporary file take the target's name in one rename, after which the
// folder is flushed too. Until that moment the target keeps its previous content; on any
// failure the temporary file is removed.
//
// A target behind a symbolic link is written through the link: the link stays and the
// file it names is replaced. Only links the kernel would follow for this user are
// followed: one in a sticky folder that everybody may write (such as /tmp) must belong
// to the user or to the folder's owner, else the write is refused. The replacement keeps
// the permission bits (and, where the system allows, the owner) of the file it replaces.
// A target that exists but is not a regular file (a device, a pipe, a folder) is refused
// rather than replaced. Files the program derives may instead replace a link itself
// (Links::Replace).
#include <string>
#include <string_view>

#include "base/FileFailure.h"

namespace lumoscope {

class ReplacingFile {
 public:
  // Synced: the bytes are on the disk before the target is replaced (a person's own
  // files). Unsynced: only the write and close are checked (files derived again at the
  // next compile, where the wait for the disk would cost more than the file is worth).
  enum class Durability { Synced, Unsynced };

  // Follow: a symbolic link at the target is written through (a person's own files).
  // Replace: the new file takes the place of the link itself (files the program derives,
  // which must never land in whatever file a link there names).
  enum class Links { Follow, Replace };

  // Creates the temporary file next to the file `target` names. IsOpen() tells whether
  // that worked.
  explicit ReplacingFile(std::string target, Durability durability = Durability::Synced,
                         Links links = Links::Follow);
  ~ReplacingFile();

  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }

  // Appends bytes; false on a write error (disk full, I/O error, file size limit).
  bool Write(std::string_view bytes);

  // Flushes, closes and renames the temporary file onto the target. False on any
  // failure, an interruption included (Interruption.h), and the target is then untouched.
  bool Commit();

  // The system's reason for the last failure ("No space left on device", ...).
  const std::string& Error() const { return error_; }
  // The same with the target's path, for a message.
  FileFailure Failure() const { return {target_, error_}; }
  const std::string& Target() const { return target_; }
  // The file that is replaced: the target with its symbolic links followed.
  const std::string& RealTarget() const { return realTarget_; }

 private:
  // Keeps the system's reason for the errno value `error` and removes the temporary file.
  void Fail(int error);
  void Discard();

  std::string target_;
  std::string realTarget_;
  std::string tempPath_;
  std::string error_;
  int fd_ = -1;
  bool committed_ = false;
  Durability durability_;
};

// Replaces the whole content of `target` with `bytes`. On failure `error` says why.
bool ReplaceFileContents(const std::string& target, std::string_view bytes, std::string& error);

// Why a write through a link that another user planted in a shared folder is refused.
inline constexpr const char* kRefusedLinkReason =
    "%s is a symbolic link that another user made in a shared folder; it is not followed, and "
    "nothing was written";

// The path with its symbolic links followed, as far as they lead: the file a save of
// `path` writes. A dangling link gives the path the link points to. A link the kernel's
// protected-symlinks rule would not follow for this user is not followed either: the
// path stops there, and `refusedLink` (when given) names it.
std::string FollowLinks(const std::string& path, std::string* refusedLink = nullptr);

// True when the file at `path` may be written without further rights: the file (if it
// exists) is a regular file with a write permission bit that the system lets this user
// use, and its folder takes new files. A list without write permission bits counts as
// read-only for every user, the administrator included.
bool IsWritableFile(const std::string& path);

// True when both paths name the same file: the same text once "." and ".." and symbolic
// links are resolved, or the same file on the disk.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace lumoscope
