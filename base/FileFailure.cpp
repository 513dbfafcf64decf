#include "base/FileFailure.h"

#include <cstring>

namespace lumoscope {

FileFailure FailureFromErrno(std::string path, int error) {
  return FileFailure{std::move(path), std::strerror(error)};
}

std::string WithFailure(const std::string& message, const FileFailure& failure) {
  std::string out = message;
  if (!out.empty() && out.back() != '\n') out += '\n';
  return out + failure.path + ": " + failure.reason;
}

}  // namespace lumoscope
