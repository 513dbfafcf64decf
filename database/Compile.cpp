// CListDB::Compile: the files around one compile. The text file is read whole; the
// normal image passes through the ".tmp" file as the receiver tool always did, and the
// hex file is written beside its own name and renamed into place only when it is
// complete, so a failed compile never leaves a partial ".hex" or ".tmp" behind. A
// validate-only check touches no file but the text file.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "base/DerivedNames.h"
#include "base/FileContents.h"
#include "base/FileHandle.h"
#include "base/ReplacingFile.h"
#include "database/Compiler.h"
#include "database/ListDB.h"
#include "database/ReaderMessages.h"

namespace lumoscope {
namespace {

// Writes everything and closes; false on any write or close error.
bool WriteAndClose(FileHandle file, const uint8_t* data, size_t size) {
  const bool written = size == 0 || std::fwrite(data, 1, size, file.get()) == size;
  return std::fclose(file.release()) == 0 && written;
}

}  // namespace

int CListDB::Compile(int mode) {
  IReporter& reporter = Reporter();
  WaitGuard wait(reporter);
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
  const std::string tmpPath = DerivedPath(path_, kExtTmp);
  // The hex file is made again at every compile: not worth waiting for the disk.
  constexpr auto kHexDurability = ReplacingFile::Durability::Unsynced;

  // The first output is created before the text is checked, so an unwritable folder is
  // reported before any fault of the text.
  FileHandle tmp;
  std::optional<ReplacingFile> hex;
  if (normal) {
    tmp = OpenFile(tmpPath, "wb");
    if (!tmp) {
      reporter.MessageBox(Format(msg::kCantOpenOutput, tmpPath.c_str()));
      return 0;
    }
  } else {
    hex.emplace(hexPath, kHexDurability);
    if (!hex->IsOpen()) {
      reporter.MessageBox(Format(msg::kCantOpenOutput, hexPath.c_str()));
      return 0;
    }
  }

  CompileResult result = CompileText(text, request, reporter);
  if (!result.ok) {
    if (tmp) {
      tmp.reset();
      std::remove(tmpPath.c_str());
    }
    return 0;  // the replacing hex file removes its own temporary file
  }

  std::vector<uint8_t> image;
  if (normal) {
    // The blocks go through the temporary file; the header is written in front of
    // them on their way into the hex file.
    const size_t header = kNormalHeaderBytes;
    if (!WriteAndClose(std::move(tmp), result.image.data() + header, result.image.size() - header)) {
      std::remove(tmpPath.c_str());
      reporter.MessageBox(Format(msg::kCantOpenOutput, tmpPath.c_str()));
      return 0;
    }
    std::string blocks;
    const bool readBack = ReadFileContents(tmpPath, blocks);
    std::remove(tmpPath.c_str());
    if (!readBack) {
      reporter.MessageBox(Format(msg::kCantOpenTemp, tmpPath.c_str()));
      return 0;
    }
    image.assign(result.image.begin(), result.image.begin() + header);
    image.insert(image.end(), blocks.begin(), blocks.end());
    hex.emplace(hexPath, kHexDurability);
    if (!hex->IsOpen()) {
      reporter.MessageBox(Format(msg::kCantOpenTemp, hexPath.c_str()));
      return 0;
    }
  } else {
    image = std::move(result.image);
  }

  if (!hex->Write(ImageToHex(image, normal)) || !hex->Commit()) {
    reporter.MessageBox(Format(msg::kCantOpenOutput, hexPath.c_str()));
    return 0;
  }
  return 1;
}

}  // namespace lumoscope
