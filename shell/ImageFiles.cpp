#include "shell/ImageFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "base/FileContents.h"
#include "base/Reporter.h"
#include "base/SilentReporter.h"
#include "transfer/HexImageReader.h"

namespace lumoscope {

namespace {}  // namespace

size_t FileSize(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return SIZE_MAX;
  return static_cast<size_t>(st.st_size);
}

bool CheckNormalImageSize(IReporter& reporter, const std::string& hexPath) {
  std::string text;
  if (!ReadFileContents(hexPath, text)) {
    reporter.MessageBox(Format("Can't open Output file : %s\n", hexPath.c_str()));
    return false;
  }
  SilentReporter silent;
  HexImageReader reader(text, silent);
  HexRecord record;
  size_t bytes = 0;
  while (reader.Next(record) == HexImageReader::Status::Record) bytes += record.data.size();
  if (bytes > kMaxNormalImageBytes) {
    reporter.MessageBox(Format(
        "Channel list too large: the normal image has %d bytes, at most 65536 fit before the basic image.",
        static_cast<int>(bytes)));
    return false;
  }
  return true;
}

bool AppendImage(IReporter& reporter, const std::string& hexPath, const std::string& mergePath) {
  const int out = open(mergePath.c_str(), O_WRONLY | O_APPEND);
  if (out < 0) {
    reporter.MessageBox(Format("Can't open nessesary file : %s\n", mergePath.c_str()));
    return false;
  }
  std::string text;
  if (!ReadFileContents(hexPath, text)) {
    close(out);
    reporter.MessageBox(Format("Can't open Output file : %s\n", hexPath.c_str()));
    return false;
  }
  // The second image is appended whole, whatever its size.
  std::string_view rest = text;
  std::string reason;
  while (!rest.empty()) {
    const ssize_t n = write(out, rest.data(), rest.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      reason = std::strerror(errno);
      break;
    }
    rest.remove_prefix(static_cast<size_t>(n));
  }
  if (close(out) != 0 && reason.empty()) reason = std::strerror(errno);
  if (!reason.empty()) {
    reporter.MessageBox(Format("Writing %s failed: %s\n", mergePath.c_str(), reason.c_str()));
    return false;
  }
  std::remove(hexPath.c_str());
  return true;
}

}  // namespace lumoscope
