// CListDB::Compile: the files around one compile. The text file is read whole; the
// normal image passes through the ".tmp" file as the receiver tool always did, and the
// hex file is written under a temporary name and renamed only when it is complete, so a
// failed compile never leaves a partial ".hex" or ".tmp" behind. A validate-only check
// touches no file but the text file.
#include <cstdio>
#include <memory>
#include <string>

#include "base/DerivedNames.h"
#include "base/FileContents.h"
#include "base/TextLines.h"
#include "database/Compiler.h"
#include "database/ListDB.h"
#include "database/ReaderMessages.h"

namespace lumoscope {
namespace {

// Suffix of the hex file while it is being written.
constexpr const char* kPartialSuffix = ".tmp";

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenFile(const std::string& path, const char* mode) {
  return File(std::fopen(path.c_str(), mode));
}

// Writes everything and closes; false on any write or close error.
bool WriteAndClose(File file, const void* data, size_t size) {
  const bool written = size == 0 || std::fwrite(data, 1, size, file.get()) == size;
  return std::fclose(file.release()) == 0 && written;
}

bool ReadAll(const std::string& path, std::vector<uint8_t>& out) {
  File f = OpenFile(path, "rb");
  if (!f) return false;
  uint8_t buf[8192];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) out.insert(out.end(), buf, buf + n);
  return !std::ferror(f.get());
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
  IReporter& reporter = Reporter();
  WaitCursor wait(reporter);
  const bool normal = mode == kCompileNormal;

  std::string text;
  if (!ReadFileContents(path_, text)) {
    reporter.MessageBox(Format(msg::kCantOpenInput, path_.c_str()));
    return 0;
  }
  CompileRequest request;
  request.normal = normal;
  request.validateOnly = validateOnly;
  request.splitList = splitList;
  request.maxSatellites = Options().MaxSatellites();
  if (validateOnly) return CompileText(text, request, reporter).ok ? 1 : 0;

  const std::string hexPath = DerivedPath(path_, kExtHex);
  const std::string partialHex = hexPath + kPartialSuffix;
  const std::string tmpPath = DerivedPath(path_, kExtTmp);

  // The output is created before the text is read, so an unwritable folder is
  // reported before any check of the text.
  File out = OpenFile(normal ? tmpPath : partialHex, "wb");
  if (!out) {
    reporter.MessageBox(Format(msg::kCantOpenOutput, (normal ? tmpPath : hexPath).c_str()));
    return 0;
  }
  auto discard = [&](const std::string& path) {
    out.reset();
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
    if (!WriteAndClose(std::move(out), result.image.data() + header, result.image.size() - header)) {
      std::remove(tmpPath.c_str());
      reporter.MessageBox(Format(msg::kCantOpenOutput, tmpPath.c_str()));
      return 0;
    }
    image.assign(result.image.begin(), result.image.begin() + header);
    if (!ReadAll(tmpPath, image)) {
      std::remove(tmpPath.c_str());
      reporter.MessageBox(Format(msg::kCantOpenTemp, tmpPath.c_str()));
      return 0;
    }
    std::remove(tmpPath.c_str());
    out = OpenFile(partialHex, "wb");
    if (!out) {
      reporter.MessageBox(Format(msg::kCantOpenTemp, hexPath.c_str()));
      return 0;
    }
  } else {
    image = std::move(result.image);
  }

  const std::string hex = ImageToHex(image, normal);
  if (!WriteAndClose(std::move(out), hex.data(), hex.size()) ||
      std::rename(partialHex.c_str(), hexPath.c_str()) != 0) {
    std::remove(partialHex.c_str());
    reporter.MessageBox(Format(msg::kCantOpenOutput, hexPath.c_str()));
    return 0;
  }
  return 1;
}

}  // namespace lumoscope
