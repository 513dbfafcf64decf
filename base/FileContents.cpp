#include "base/FileContents.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace lumoscope {

bool ReadInputFile(const std::string& path, std::string& contents, FileFailure& failure,
                   FileIdentity* identity, size_t maxBytes) {
  FileIdentity opened;
  const int fd = OpenInputFile(path, failure, &opened, maxBytes);
  if (fd < 0) return false;
  // Room for the size the file has, and one byte to see that it ended there. A file
  // that grows while it is read gets more room, but never more than one byte beyond
  // the limit: such a file is refused, and the read never runs without bound.
  const size_t limit = maxBytes + 1;
  contents.resize(std::min(static_cast<size_t>(opened.size) + 1, limit));
  size_t used = 0;
  bool ok = true;
  for (;;) {
    if (used == contents.size()) {
      if (used == limit) break;
      contents.resize(std::min(used * 2, limit));
    }
    const ssize_t n = read(fd, contents.data() + used, contents.size() - used);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      failure = FailureFromErrno(path, errno);
      ok = false;
    }
    if (n <= 0) break;
    used += static_cast<size_t>(n);
  }
  close(fd);
  if (ok && used > maxBytes) {
    failure = {path, "Grew beyond the size a channel list file can have while it was read"};
    ok = false;
  }
  contents.resize(used);
  if (ok && identity != nullptr) *identity = opened;
  return ok;
}

bool ReadFileContents(const std::string& path, std::string& contents) {
  FileFailure ignored;
  return ReadInputFile(path, contents, ignored);
}

}  // namespace lumoscope
