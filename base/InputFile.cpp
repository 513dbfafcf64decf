#include "base/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/Reporter.h"

namespace lumoscope {
namespace {

FileIdentity IdentityFromStat(const struct stat& st) {
  FileIdentity id;
  id.exists = true;
  id.device = static_cast<uint64_t>(st.st_dev);
  id.inode = static_cast<uint64_t>(st.st_ino);
  id.size = static_cast<int64_t>(st.st_size);
  id.mtimeSec = static_cast<int64_t>(st.st_mtim.tv_sec);
  id.mtimeNsec = static_cast<int64_t>(st.st_mtim.tv_nsec);
  return id;
}

// Refuses what is not a regular file of at most maxBytes; empty when it is one.
std::string RefusalFor(const struct stat& st, size_t maxBytes) {
  std::string reason = NotRegularReason(st.st_mode);
  if (reason.empty() && static_cast<uint64_t>(st.st_size) > maxBytes)
    reason = Format("Is %lld bytes long, more than the %zu MiB a channel list file can have",
                    static_cast<long long>(st.st_size), maxBytes / (1024 * 1024));
  return reason;
}

}  // namespace

FileIdentity IdentityOf(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return {};
  return IdentityFromStat(st);
}

std::string NotRegularReason(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISFIFO(mode)) return "Is a named pipe, not a regular file";
  if (S_ISDIR(mode)) return "Is a folder, not a regular file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "Is a device, not a regular file";
  if (S_ISSOCK(mode)) return "Is a socket, not a regular file";
  return "Is not a regular file";
}

int OpenInputFile(const std::string& path, FileFailure& failure, FileIdentity* identity, size_t maxBytes) {
  // Looked at before it is opened: opening a device can have effects of its own.
  struct stat st;
  if (stat(path.c_str(), &st) != 0) {
    failure = FailureFromErrno(path, errno);
    return -1;
  }
  std::string reason = RefusalFor(st, maxBytes);
  if (!reason.empty()) {
    failure = {path, reason};
    return -1;
  }
  // Non-blocking, so a file swapped for a pipe meanwhile cannot hold the open.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    failure = FailureFromErrno(path, errno);
    return -1;
  }
  if (fstat(fd, &st) != 0) {
    failure = FailureFromErrno(path, errno);
    close(fd);
    return -1;
  }
  reason = RefusalFor(st, maxBytes);
  if (!reason.empty()) {
    failure = {path, reason};
    close(fd);
    return -1;
  }
  if (identity != nullptr) *identity = IdentityFromStat(st);
  return fd;
}

}  // namespace lumoscope
