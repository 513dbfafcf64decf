#include "shell/ImageFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "base/FileContents.h"
#include "base/Interruption.h"
#include "base/Reporter.h"
#include "base/SilentReporter.h"
#include "base/WriteAll.h"
#include "database/ReaderMessages.h"
#include "transfer/HexImageReader.h"

namespace lumoscope {

size_t FileSize(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return SIZE_MAX;
  return static_cast<size_t>(st.st_size);
}

bool CheckNormalImageSize(IReporter& reporter, const std::string& hexPath) {
  std::string text;
  FileFailure failure;
  if (!ReadInputFile(hexPath, text, failure)) {
    reporter.MessageBox(WithFailure(Format(msg::kCantOpenOutput, hexPath.c_str()), failure));
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
  const int out = open(mergePath.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (out < 0) {
    reporter.MessageBox(WithFailure(Format("Can't open nessesary file : %s\n", mergePath.c_str()),
                                    FailureFromErrno(mergePath, errno)));
    return false;
  }
  std::string text;
  FileFailure failure;
  if (!ReadInputFile(hexPath, text, failure)) {
    close(out);
    reporter.MessageBox(WithFailure(Format(msg::kCantOpenOutput, hexPath.c_str()), failure));
    return false;
  }
  // The second image is appended whole, whatever its size.
  int error = WriteAll(out, text);
  if (close(out) != 0 && error == 0) error = errno;
  if (error != 0) {
    reporter.MessageBox(Format("Writing %s failed: %s\n", mergePath.c_str(), std::strerror(error)));
    return false;
  }
  std::remove(hexPath.c_str());
  return true;
}

bool PublishImages(IReporter& reporter, const std::string& hexTemp, const std::string& hexPath,
                   const std::string& binTemp, const std::string& binPath,
                   const std::function<void()>& afterStep) {
  const auto step = [&] {
    if (afterStep) afterStep();
  };
  const auto fail = [&](const std::string& path, int error) {
    std::remove(hexPath.c_str());
    reporter.MessageBox(
        WithFailure(Format(msg::kCantOpenOutput, path.c_str()), FailureFromErrno(path, error)));
    return false;
  };
  if (Interruption() != 0) {
    reporter.MessageBox(
        WithFailure(Format(msg::kCantOpenOutput, hexPath.c_str()), {hexPath, kInterruptedReason}));
    return false;
  }
  for (const std::string* old : {&hexPath, &binPath}) {
    if (unlink(old->c_str()) != 0 && errno != ENOENT) return fail(*old, errno);
    step();
  }
  if (std::rename(hexTemp.c_str(), hexPath.c_str()) != 0) return fail(hexPath, errno);
  step();
  if (std::rename(binTemp.c_str(), binPath.c_str()) != 0) return fail(binPath, errno);
  step();
  return true;
}

}  // namespace lumoscope
