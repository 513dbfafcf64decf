// CListDB::Compile: the files around one compile. The text file is read whole; the
// normal image passes through the ".tmp" file as the receiver tool always did, and the
// hex file is written under a temporary name beside it and renamed only when it is
// complete, so a failed compile never leaves a partial ".hex" or ".tmp" behind. A
// validate-only check touches no file but the text file, and only reads it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

#include "database/Compiler.h"
#include "database/DerivedNames.h"
#include "database/FileContents.h"
#include "database/ListDB.h"
#include "database/ReaderMessages.h"
#include "database/TemporaryNames.h"
#include "database/TextLines.h"

namespace lumoscope {
namespace {

// Writes all of `data` to the descriptor and closes it; the errno of the first failure
// (0 on success).
int WriteAndClose(int fd, const void* data, size_t size) {
  const auto* p = static_cast<const char*>(data);
  int error = 0;
  while (size > 0) {
    const ssize_t n = write(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = n < 0 ? errno : EIO;
      break;
    }
    p += n;
    size -= static_cast<size_t>(n);
  }
  if (close(fd) != 0 && error == 0) error = errno;
  return error;
}

// The ".tmp" file made anew: one left by an interrupted compile is removed, and a link of
// that name is removed, never followed into another file.
int CreateAnew(const std::string& path) {
  unlink(path.c_str());
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

// The hex file under its temporary name, with the permissions of a new file.
int CreateHexBeside(const std::string& hexPath, std::string& partialHex) {
  const int fd = CreateTemporaryBeside(hexPath, partialHex);
  if (fd >= 0) fchmod(fd, NewFileMode());
  return fd;
}

class WaitCursor {
 public:
  explicit WaitCursor(IReporter& r) : r_(r) { r_.BeginWait(); }
  ~WaitCursor() { r_.EndWait(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  IReporter& r_;
};

}  // namespace

int CListDB::Compile(int mode) {
  return CompileInto(mode, DerivedPath(path_, kExtHex));
}

int CListDB::CompileInto(int mode, const std::string& hexPath) {
  IReporter& reporter = Reporter();
  WaitCursor wait(reporter);
  const bool normal = mode == kCompileNormal;

  std::string text;
  FileFailure failure;
  if (!ReadInputFile(path_, text, failure)) {
    reporter.MessageBox(WithFailure(Format(msg::kCantOpenInput, path_.c_str()), failure));
    return 0;
  }
  CompileRequest request;
  request.normal = normal;
  request.validateOnly = validateOnly;
  request.splitList = splitList;
  request.maxSatellites = Options().MaxSatellites();
  if (validateOnly) return CompileText(text, request, reporter).ok ? 1 : 0;

  const std::string tmpPath = DerivedPath(path_, kExtTmp);
  RemoveLeftoverTemporaries(hexPath);
  std::string partialHex;

  // The output is created before the text is read, so an unwritable folder is
  // reported before any check of the text.
  int out = normal ? CreateAnew(tmpPath) : CreateHexBeside(hexPath, partialHex);
  if (out < 0) {
    const std::string& name = normal ? tmpPath : hexPath;
    reporter.MessageBox(
        WithFailure(Format(msg::kCantOpenOutput, name.c_str()), FailureFromErrno(name, errno)));
    return 0;
  }
  auto discard = [&](const std::string& path) {
    close(out);
    std::remove(path.c_str());
  };

  CompileResult result = CompileText(text, request, reporter);
  if (!result.ok) {
    discard(normal ? tmpPath : partialHex);
    return 0;
  }

  std::vector<uint8_t> image;
  if (normal) {
    // The blocks go through the temporary file; the header is written in front of
    // them on their way into the hex file.
    const size_t header = kNormalHeaderBytes;
    const int error = WriteAndClose(out, result.image.data() + header, result.image.size() - header);
    if (error != 0) {
      std::remove(tmpPath.c_str());
      reporter.MessageBox(
          WithFailure(Format(msg::kCantOpenOutput, tmpPath.c_str()), FailureFromErrno(tmpPath, error)));
      return 0;
    }
    std::string blocks;
    const bool reread = ReadInputFile(tmpPath, blocks, failure);
    std::remove(tmpPath.c_str());
    if (!reread) {
      reporter.MessageBox(WithFailure(Format(msg::kCantOpenTemp, tmpPath.c_str()), failure));
      return 0;
    }
    image.assign(result.image.begin(), result.image.begin() + header);
    image.insert(image.end(), blocks.begin(), blocks.end());
    out = CreateHexBeside(hexPath, partialHex);
    if (out < 0) {
      reporter.MessageBox(
          WithFailure(Format(msg::kCantOpenTemp, hexPath.c_str()), FailureFromErrno(hexPath, errno)));
      return 0;
    }
  } else {
    image = std::move(result.image);
  }

  const std::string hex = ImageToHex(image, normal);
  int error = WriteAndClose(out, hex.data(), hex.size());
  if (error == 0 && std::rename(partialHex.c_str(), hexPath.c_str()) != 0) error = errno;
  if (error != 0) {
    std::remove(partialHex.c_str());
    reporter.MessageBox(
        WithFailure(Format(msg::kCantOpenOutput, hexPath.c_str()), FailureFromErrno(hexPath, error)));
    return 0;
  }
  return 1;
}

}  // namespace lumoscope
