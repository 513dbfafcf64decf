#include "base/TemporaryNames.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <vector>

namespace lumoscope {
namespace {

// Folder (with its slash, or empty) and file name of a path.
std::pair<std::string, std::string> SplitPath(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return {std::string(), path};
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// The process number in a temporary name "<name><marker><pid>-XXXXXX"; 0 when `entry`
// is not a temporary of `name`.
pid_t TemporaryOwner(const std::string& entry, const std::string& name) {
  const std::string prefix = name + std::string(kTemporaryMarker);
  if (!entry.starts_with(prefix)) return 0;
  size_t i = prefix.size();
  long pid = 0;
  while (i < entry.size() && std::isdigit(static_cast<unsigned char>(entry[i])) && pid < 1'000'000'000)
    pid = pid * 10 + (entry[i++] - '0');
  if (pid <= 0 || i >= entry.size() || entry[i] != '-') return 0;
  return static_cast<pid_t>(pid);
}

bool ProcessEnded(pid_t pid) {
  return kill(pid, 0) != 0 && errno == ESRCH;
}

}  // namespace

unsigned NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

int CreateTemporaryBeside(const std::string& target, std::string& tempPath) {
  std::string templ = target + std::string(kTemporaryMarker) + std::to_string(getpid()) + "-XXXXXX";
  std::vector<char> buf(templ.begin(), templ.end());
  buf.push_back('\0');
  const int fd = mkostemp(buf.data(), O_CLOEXEC);
  if (fd >= 0) tempPath = buf.data();
  return fd;
}

void RemoveLeftoverTemporaries(const std::string& target) {
  const auto [folder, name] = SplitPath(target);
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return;
  std::vector<std::string> leftovers;
  while (const dirent* e = readdir(dir)) {
    const pid_t owner = TemporaryOwner(e->d_name, name);
    if (owner != 0 && owner != getpid() && ProcessEnded(owner)) leftovers.push_back(folder + e->d_name);
  }
  closedir(dir);
  for (const std::string& path : leftovers) {
    struct stat st;
    if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid()) unlink(path.c_str());
  }
}

TemporaryFile::TemporaryFile(const std::string& target) {
  const int fd = CreateTemporaryBeside(target, path_);
  if (fd < 0) {
    error_ = errno;
    return;
  }
  fchmod(fd, NewFileMode());
  close(fd);
}

TemporaryFile::~TemporaryFile() {
  if (!path_.empty()) unlink(path_.c_str());
}

}  // namespace lumoscope
