#pragma once
// The advisory lock of a list file, held by the command line's editing commands from
// loading the list to saving it. Two runs that edit the same list at the same time
// would both load the old list, and the later save would undo the earlier one; with the
// lock the second run waits, then loads the list the first one saved.
//
// The lock is taken on the list file itself (flock). A save replaces that file, so a run
// that waited on the old file looks again once it has the lock and takes the new one.
#include <cstdint>
#include <functional>
#include <string>

#include "base/Reporter.h"

namespace lumoscope {

// How long a second run waits for the list, and how often it tries again meanwhile.
inline constexpr int64_t kListLockWaitMs = 10'000;
inline constexpr int64_t kListLockRetryMs = 100;

inline constexpr const char* kListInUseMessage =
    "%s is in use by another program, which has not finished with it within 10 seconds.\n"
    "Nothing was changed; please try again when it is done.\n";

class ListLock {
 public:
  using SleepMs = std::function<void(int64_t ms)>;

  // Nothing is locked yet.
  explicit ListLock(std::string path) : path_(std::move(path)) {}
  ~ListLock();
  ListLock(const ListLock&) = delete;
  ListLock& operator=(const ListLock&) = delete;

  // Takes the lock, trying again every kListLockRetryMs (slept through `sleep`, the real
  // clock when none is given) for up to `waitMs`. False only when another program still
  // holds it then; the person is told. A file that does not exist or is no regular file
  // is not locked (true): loading it will say what is wrong.
  bool Acquire(IReporter& reporter, const SleepMs& sleep = {}, int64_t waitMs = kListLockWaitMs);

  bool Held() const { return fd_ >= 0; }

 private:
  enum class Attempt { Locked, Busy, Nothing };
  Attempt TryOnce();

  std::string path_;
  int fd_ = -1;
};

}  // namespace lumoscope
