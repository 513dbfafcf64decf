// CListDB::Compile: the files around one compile. The text file is read whole. The
// normal image's blocks pass through the ".tmp" file: the image's header goes in front
// of them and holds counts that are known only once the last record is read. The hex
// file is written under a temporary name beside it and renamed only when it is
// complete, so a failed compile never leaves a partial ".hex" or ".tmp" behind. Both are
// made anew: a link in the place of either is replaced, never followed into another
// file. A validate-only check touches no file but the text file, and only reads it.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "base/DerivedNames.h"
#include "base/FileContents.h"
#include "base/ReplacingFile.h"
#include "base/TextLines.h"
#include "database/Compiler.h"
#include "database/ListDB.h"
#include "database/ReaderMessages.h"

namespace lumoscope {
namespace {

// The ".tmp" and the hex file are made again at every compile: not worth waiting for
// the disk.
void CreateDerived(std::optional<ReplacingFile>& file, const std::string& path) {
  file.emplace(path, ReplacingFile::Durability::Unsynced, ReplacingFile::Links::Replace);
}

}  // namespace

bool CListDB::Check(const PreparedLines& lines) {
  CompileRequest request;
  request.validateOnly = true;
  request.splitList = splitList;
  request.maxSatellites = Options().MaxSatellites();
  return CompileLines(lines, request, Reporter()).ok;
}

int CListDB::Compile(int mode) {
  return CompileInto(mode, DerivedPath(path_, kExtHex));
}

int CListDB::CompileInto(int mode, const std::string& hexPath) {
  IReporter& reporter = Reporter();
  WaitGuard wait(reporter);
  const bool normal = mode == kCompileNormal;

  std::string text;
  FileFailure failure;
  if (!ReadInputFile(path_, text, failure)) {
    reporter.MessageBox(WithFailure(Format(msg::kCantOpenInput, path_.c_str()), failure));
    return 0;
  }
  if (validateOnly) return Check(PreparedLines(text)) ? 1 : 0;
  CompileRequest request;
  request.normal = normal;
  request.splitList = splitList;
  request.maxSatellites = Options().MaxSatellites();

  const std::string tmpPath = DerivedPath(path_, kExtTmp);

  // The first output is created before the text is checked, so an unwritable folder is
  // reported before any fault of the text.
  std::optional<ReplacingFile> tmp;
  std::optional<ReplacingFile> hex;
  std::optional<ReplacingFile>& first = normal ? tmp : hex;
  CreateDerived(first, normal ? tmpPath : hexPath);
  if (!first->IsOpen()) {
    reporter.MessageBox(WithFailure(Format(msg::kCantOpenOutput, first->Target().c_str()), first->Failure()));
    return 0;
  }

  // On a failure the replacing files remove their own temporary files.
  CompileResult result = CompileText(text, request, reporter);
  if (!result.ok) return 0;

  std::vector<uint8_t> image;
  if (normal) {
    // The blocks go through the temporary file; the header is written in front of
    // them on their way into the hex file.
    const size_t header = kNormalHeaderBytes;
    if (!tmp->Write(std::string_view(reinterpret_cast<const char*>(result.image.data()) + header,
                                     result.image.size() - header)) ||
        !tmp->Commit()) {
      reporter.MessageBox(WithFailure(Format(msg::kCantOpenOutput, tmpPath.c_str()), tmp->Failure()));
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
    CreateDerived(hex, hexPath);
    if (!hex->IsOpen()) {
      reporter.MessageBox(WithFailure(Format(msg::kCantOpenTemp, hexPath.c_str()), hex->Failure()));
      return 0;
    }
  } else {
    image = std::move(result.image);
  }

  if (!hex->Write(ImageToHex(image, normal)) || !hex->Commit()) {
    reporter.MessageBox(WithFailure(Format(msg::kCantOpenOutput, hexPath.c_str()), hex->Failure()));
    return 0;
  }
  return 1;
}

}  // namespace lumoscope
