#pragma once
// Writing a file so that a failure never leaves a partial one behind. The bytes go to a
// temporary file in the target's folder, are flushed to the disk and closed, and only
// then does the temporary file take the target's name in one rename. Until that moment
// the target keeps its previous content; on any failure the temporary file is removed.
#include <string>
#include <string_view>

namespace lumoscope {

class ReplacingFile {
 public:
  // Synced: the bytes are on the disk before the target is replaced (a person's own
  // files). Unsynced: only the write and close are checked (files derived again at the
  // next compile, where the wait for the disk would cost more than the file is worth).
  enum class Durability { Synced, Unsynced };

  // Creates the temporary file next to `target`. IsOpen() tells whether that worked.
  explicit ReplacingFile(std::string target, Durability durability = Durability::Synced);
  ~ReplacingFile();

  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }

  // Appends bytes; false on a write error (disk full, I/O error, file size limit).
  bool Write(std::string_view bytes);

  // Flushes, closes and renames the temporary file onto the target. False on any
  // failure, and the target is then untouched.
  bool Commit();

  // The system's reason for the last failure ("No space left on device", ...).
  const std::string& Error() const { return error_; }
  const std::string& Target() const { return target_; }

 private:
  void Fail();
  void Discard();

  std::string target_;
  std::string tempPath_;
  std::string error_;
  int fd_ = -1;
  bool committed_ = false;
  Durability durability_;
};

// Replaces the whole content of `target` with `bytes`. On failure `error` says why.
bool ReplaceFileContents(const std::string& target, std::string_view bytes, std::string& error);

// True when both paths name the same file: the same text once "." and ".." and symbolic
// links are resolved, or the same file on the disk.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace lumoscope
