#include "base/ReplacingFile.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "base/DerivedNames.h"
#include "base/InputFile.h"
#include "base/Interruption.h"
#include "base/Reporter.h"
#include "base/TemporaryNames.h"
#include "base/WriteAll.h"

namespace lumoscope {

namespace {

// Links followed at most, as the system itself does before it gives up (ELOOP).
constexpr int kMaxLinkHops = 40;

// Flushes the folder's entries, so a rename in it survives a power cut.
void SyncFolder(const std::string& path) {
  const int dir = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  fsync(dir);
  close(dir);
}

// The kernel's rule for protected symbolic links: a link in a sticky folder that everybody
// may write (such as /tmp) is followed only for the link's owner, or when the folder's
// owner made it. Anybody may plant a link there; following it for somebody else would
// let them redirect that person's writes into the person's own files.
bool MayFollow(const std::string& link, const struct stat& linkStat) {
  struct stat folder;
  if (stat(FolderOf(link).c_str(), &folder) != 0) return false;
  const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
  return !shared || linkStat.st_uid == geteuid() || linkStat.st_uid == folder.st_uid;
}

}  // namespace

std::string FollowLinks(const std::string& path, std::string* refusedLink) {
  std::string current = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat st;
    if (lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    if (!MayFollow(current, st)) {
      if (refusedLink != nullptr) *refusedLink = current;
      break;
    }
    char buf[PATH_MAX];
    const ssize_t n = readlink(current.c_str(), buf, sizeof buf - 1);
    if (n <= 0) break;
    const std::string link(buf, static_cast<size_t>(n));
    current = link.starts_with('/') ? link : FolderOf(current) + "/" + link;
  }
  return current;
}

ReplacingFile::ReplacingFile(std::string target, Durability durability, Links links)
    : target_(std::move(target)), durability_(durability) {
  std::string refusedLink;
  realTarget_ = links == Links::Follow ? FollowLinks(target_, &refusedLink) : target_;
  if (!refusedLink.empty()) {
    error_ = Format(kRefusedLinkReason, refusedLink.c_str());
    return;
  }
  struct stat st;
  // A link that is replaced, not followed, hands down nothing of the file it names.
  const bool exists = links == Links::Follow ? stat(realTarget_.c_str(), &st) == 0
                                             : lstat(realTarget_.c_str(), &st) == 0 && !S_ISLNK(st.st_mode);
  if (exists && !S_ISREG(st.st_mode)) {
    error_ = NotRegularReason(st.st_mode);
    return;
  }
  RemoveLeftoverTemporaries(realTarget_);
  fd_ = CreateTemporaryBeside(realTarget_, tempPath_);
  if (fd_ < 0) {
    error_ = std::strerror(errno);
    return;
  }
  // The replacement keeps the permissions, and where allowed the owner, of the file it
  // replaces.
  if (exists) {
    if (fchown(fd_, st.st_uid, st.st_gid) != 0) {
      // Not allowed for another user's file; the permission bits still carry over.
    }
    fchmod(fd_, st.st_mode & 07777);
  } else {
    fchmod(fd_, NewFileMode());
  }
}

ReplacingFile::~ReplacingFile() {
  if (!committed_) Discard();
}

void ReplacingFile::Fail(int error) {
  error_ = std::strerror(error);
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
  if (const int error = WriteAll(fd_, bytes); error != 0) {
    Fail(error);
    return false;
  }
  return true;
}

bool ReplacingFile::Commit() {
  if (fd_ < 0) return false;
  if (Interruption() != 0) {
    Discard();
    error_ = kInterruptedReason;
    return false;
  }
  const bool synced = durability_ == Durability::Synced;
  if (synced && fsync(fd_) != 0) {
    Fail(errno);
    return false;
  }
  const int fd = fd_;
  fd_ = -1;
  if (close(fd) != 0) {
    Fail(errno);
    return false;
  }
  if (std::rename(tempPath_.c_str(), realTarget_.c_str()) != 0) {
    Fail(errno);
    return false;
  }
  tempPath_.clear();
  committed_ = true;
  if (synced) SyncFolder(realTarget_);
  return true;
}

bool ReplaceFileContents(const std::string& target, std::string_view bytes, std::string& error) {
  ReplacingFile out(target);
  if (out.IsOpen() && out.Write(bytes) && out.Commit()) return true;
  error = out.Error();
  return false;
}

bool IsWritableFile(const std::string& path) {
  std::string refusedLink;
  const std::string real = FollowLinks(path, &refusedLink);
  if (!refusedLink.empty()) return false;
  struct stat st;
  if (stat(real.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 || access(real.c_str(), W_OK) != 0) return false;
  }
  return access(FolderOf(real).c_str(), W_OK | X_OK) == 0;
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
