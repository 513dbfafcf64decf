#include "transfer/ListLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "base/Interruption.h"

namespace lumoscope {

ListLock::~ListLock() {
  if (fd_ >= 0) close(fd_);  // also releases the lock
}

ListLock::Attempt ListLock::TryOnce() {
  // Non-blocking, so a pipe in the list's place cannot hold the open.
  const int fd = open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Attempt::Nothing;
  struct stat held;
  if (fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
    close(fd);
    return Attempt::Nothing;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return errno == EWOULDBLOCK ? Attempt::Busy : Attempt::Nothing;
  }
  // The file may have been replaced by the save of the program we waited for: then the
  // lock is on a file the list no longer is, and the new one is tried next time.
  struct stat now;
  if (stat(path_.c_str(), &now) != 0 || now.st_dev != held.st_dev || now.st_ino != held.st_ino) {
    close(fd);
    return Attempt::Busy;
  }
  fd_ = fd;
  return Attempt::Locked;
}

bool ListLock::Acquire(IReporter& reporter, const SleepMs& sleep, int64_t waitMs) {
  for (int64_t waited = 0;; waited += kListLockRetryMs) {
    if (TryOnce() != Attempt::Busy) return true;
    if (waited >= waitMs) break;
    if (Interruption() != 0) return false;  // nothing was done yet: the command just ends
    if (sleep) {
      sleep(kListLockRetryMs);
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(kListLockRetryMs));
    }
  }
  reporter.MessageBox(Format(kListInUseMessage, path_.c_str()));
  return false;
}

}  // namespace lumoscope
