#pragma once
// Temporary files beside a file being written. They are named after that file with this
// program's marker and the process number, "list.txt.lumoscope-1234-Ab3xYz", so a person
// sees whose and what they are, and the next run that writes the same file can remove
// the ones a killed run left behind (their process no longer exists).
#include <string>
#include <string_view>

namespace lumoscope {

inline constexpr std::string_view kTemporaryMarker = ".lumoscope-";

// The permission bits a newly created file gets: read and write for everyone, narrowed
// by the process's umask.
unsigned NewFileMode();

// Creates a new, empty file in the folder of `target`, named after it, readable and
// writable by this user only until the caller widens its mode. Returns the open
// descriptor and sets `tempPath`, or returns -1 with errno set.
int CreateTemporaryBeside(const std::string& target, std::string& tempPath);

// Removes the temporary files of `target` whose process has ended (regular files of
// this user only; nothing that a running program may still be writing).
void RemoveLeftoverTemporaries(const std::string& target);

// A temporary file that is removed when the object goes, unless it was released.
class TemporaryFile {
 public:
  // Creates the file beside `target` with the permissions of a new file (closed again
  // at once); Path() is empty and Error() holds errno when that failed.
  explicit TemporaryFile(const std::string& target);
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const std::string& Path() const { return path_; }
  int Error() const { return error_; }
  // The file stays on the disk (it was renamed or is wanted).
  void Release() { path_.clear(); }

 private:
  std::string path_;
  int error_ = 0;
};

}  // namespace lumoscope
