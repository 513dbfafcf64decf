#include "transfer/PrivateFolder.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "base/Reporter.h"

namespace lumoscope {
namespace {

constexpr const char* kFolderName = "lumoscope";
constexpr mode_t kPrivateMode = 0700;

// An absolute folder from the environment, or nothing.
std::string EnvironmentFolder(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] == '/' ? std::string(value) : std::string();
}

std::string HomeFolder() {
  std::string home = EnvironmentFolder("HOME");
  if (home.empty()) {
    if (const passwd* pw = getpwuid(geteuid()); pw != nullptr && pw->pw_dir != nullptr) home = pw->pw_dir;
  }
  return home;
}

// A folder of this user that only the user can enter.
bool IsOwnPrivateFolder(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() &&
         (st.st_mode & 077) == 0 && access(path.c_str(), W_OK | X_OK) == 0;
}

// Creates the missing folders of `path`, each with mode 0700.
int MakeFolders(const std::string& path) {
  for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string part = path.substr(0, slash);
    if (mkdir(part.c_str(), kPrivateMode) != 0 && errno != EEXIST) return errno;
    if (slash == std::string::npos) return 0;
  }
}

}  // namespace

std::string UploadFolderPath() {
  const std::string runtime = EnvironmentFolder("XDG_RUNTIME_DIR");
  if (!runtime.empty() && IsOwnPrivateFolder(runtime)) return runtime + "/" + kFolderName;
  std::string cache = EnvironmentFolder("XDG_CACHE_HOME");
  if (cache.empty()) cache = HomeFolder() + "/.cache";
  return cache + "/" + kFolderName;
}

bool PreparePrivateFolder(const std::string& folder, FileFailure& failure) {
  if (const int error = MakeFolders(folder); error != 0) {
    failure = FailureFromErrno(folder, error);
    return false;
  }
  struct stat st;
  if (lstat(folder.c_str(), &st) != 0) {
    failure = FailureFromErrno(folder, errno);
    return false;
  }
  std::string reason;
  if (S_ISLNK(st.st_mode)) {
    reason = "Is a symbolic link, not a folder of your own";
  } else if (!S_ISDIR(st.st_mode)) {
    reason = "Is not a folder";
  } else if (st.st_uid != geteuid()) {
    reason = "Belongs to another user";
  } else if ((st.st_mode & 07777) != kPrivateMode) {
    reason = Format("Can be entered by other users (mode %04o); it must have mode 0700",
                    static_cast<unsigned>(st.st_mode & 07777));
  }
  if (!reason.empty()) {
    failure = {folder, reason};
    return false;
  }
  return true;
}

int CreatePrivateFile(const std::string& path, FileFailure& failure) {
  // unlink removes a link itself, never the file it names.
  if (unlink(path.c_str()) != 0 && errno != ENOENT) {
    failure = FailureFromErrno(path, errno);
    return -1;
  }
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) failure = FailureFromErrno(path, errno);
  return fd;
}

}  // namespace lumoscope
