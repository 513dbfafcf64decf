#pragma once
// Why a file could not be used, kept until it reaches the person: the path and the
// system's reason. A message keeps the program's own text first ("Can't open Input
// file : ...") and gives the cause on a line of its own ("list.txt: Is a named pipe,
// not a regular file"), so the person can act on it.
#include <string>

namespace lumoscope {

struct FileFailure {
  std::string path;
  std::string reason;
};

// The failure of `path` with the system's text for `error` (an errno value).
FileFailure FailureFromErrno(std::string path, int error);

// `message` followed, on a line of its own, by "path: reason".
std::string WithFailure(const std::string& message, const FileFailure& failure);

}  // namespace lumoscope
