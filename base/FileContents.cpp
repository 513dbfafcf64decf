#include "base/FileContents.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace lumoscope {

namespace {

// Read size for files whose length the system does not tell (pipes, special files).
constexpr size_t kReadChunkBytes = 64 * 1024;

}  // namespace

bool ReadFileContents(const std::string& path, std::string& contents) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    close(fd);
    return false;
  }
  contents.clear();
  size_t used = 0;
  bool ok = true;
  for (;;) {
    if (contents.size() - used < kReadChunkBytes)
      contents.resize(std::max(used + kReadChunkBytes, static_cast<size_t>(st.st_size) + 1));
    const ssize_t n = read(fd, contents.data() + used, contents.size() - used);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    used += static_cast<size_t>(n);
  }
  contents.resize(used);
  close(fd);
  return ok;
}

}  // namespace lumoscope
