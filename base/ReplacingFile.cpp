#include "base/ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace lumoscope {

namespace {

// Read and write permission for everyone, narrowed by the process's umask, as a newly
// created file would get; used when the target does not exist yet.
constexpr mode_t kNewFileMode = 0666;

mode_t CurrentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

}  // namespace

ReplacingFile::ReplacingFile(std::string target, Durability durability)
    : target_(std::move(target)), durability_(durability) {
  std::string templ = target_ + ".XXXXXX";
  std::vector<char> buf(templ.begin(), templ.end());
  buf.push_back('\0');
  fd_ = mkstemp(buf.data());
  if (fd_ < 0) {
    error_ = std::strerror(errno);
    return;
  }
  tempPath_ = buf.data();
  // The replacement keeps the permissions of the file it replaces.
  struct stat st;
  const mode_t mode =
      stat(target_.c_str(), &st) == 0 ? (st.st_mode & 07777) : (kNewFileMode & ~CurrentUmask());
  fchmod(fd_, mode);
}

ReplacingFile::~ReplacingFile() {
  if (!committed_) Discard();
}

void ReplacingFile::Fail() {
  error_ = std::strerror(errno);
  Discard();
}

void ReplacingFile::Discard() {
  if (fd_ >= 0) {
    close(fd_);
    fd_ = -1;
  }
  if (!tempPath_.empty()) {
    unlink(tempPath_.c_str());
    tempPath_.clear();
  }
}

bool ReplacingFile::Write(std::string_view bytes) {
  if (fd_ < 0) return false;
  while (!bytes.empty()) {
    const ssize_t n = write(fd_, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail();
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool ReplacingFile::Commit() {
  if (fd_ < 0) return false;
  if (durability_ == Durability::Synced && fsync(fd_) != 0) {
    Fail();
    return false;
  }
  const int fd = fd_;
  fd_ = -1;
  if (close(fd) != 0) {
    Fail();
    return false;
  }
  if (std::rename(tempPath_.c_str(), target_.c_str()) != 0) {
    Fail();
    return false;
  }
  tempPath_.clear();
  committed_ = true;
  return true;
}

bool ReplaceFileContents(const std::string& target, std::string_view bytes, std::string& error) {
  ReplacingFile out(target);
  if (out.IsOpen() && out.Write(bytes) && out.Commit()) return true;
  error = out.Error();
  return false;
}

bool SameFile(const std::string& a, const std::string& b) {
  namespace fs = std::filesystem;
  const auto normal = [](const std::string& p) {
    std::error_code ec;
    fs::path abs = fs::absolute(p, ec);
    if (ec) abs = p;
    const fs::path canonical = fs::weakly_canonical(abs, ec);
    return ec ? abs.lexically_normal() : canonical;
  };
  std::error_code ec;
  return fs::equivalent(a, b, ec) || normal(a) == normal(b);
}

}  // namespace lumoscope
