#include "transfer/HexToBin.h"

#include <cctype>
#include <cstdio>

#include "base/DerivedNames.h"
#include "base/FileContents.h"
#include "base/ReplacingFile.h"
#include "base/Reporter.h"
#include "database/ListDB.h"
#include "transfer/BinImageBuilder.h"
#include "transfer/HexImageReader.h"

namespace lumoscope {

bool BuildBinImage(IReporter& reporter, std::string_view hexText, std::string& image) {
  HexImageReader reader(hexText, reporter);
  BinImageBuilder builder;
  HexRecord record;
  for (;;) {
    const HexImageReader::Status status = reader.Next(record);
    if (status == HexImageReader::Status::Error) return false;
    if (status == HexImageReader::Status::End) break;
    if (!builder.Add(record.address, record.data)) {
      reporter.MessageBox(Format("DNCONV: The image needs more than %zu packets (line %d).\n", kMaxPackets,
                                 reader.LineNumber()));
      return false;
    }
  }
  if (builder.TotalBytes() == 0) {
    reporter.MessageBox(kPacketBuildEofMessage);
    return false;
  }
  if (!builder.Finish()) {
    reporter.MessageBox(Format("DNCONV: The image needs more than %zu packets.\n", kMaxPackets));
    return false;
  }
  image = builder.Image();
  return true;
}

bool ConvertHexFileToBin(IReporter& reporter, const std::string& hexPath, const std::string& binPath) {
  if (SameFile(hexPath, binPath)) {
    reporter.MessageBox(
        Format("DNCONV: The binary image %s would overwrite the hex image.\n", binPath.c_str()));
    return false;
  }
  std::string hexText;
  FileFailure failure;
  if (!ReadInputFile(hexPath, hexText, failure)) {
    reporter.MessageBox(WithFailure(Format(kCantOpenFileMessage, hexPath.c_str()), failure));
    return false;
  }
  // The binary image is derived again by every compile, and each packet carries its
  // own CRC, so it is not worth waiting for the disk.
  ReplacingFile out(binPath, ReplacingFile::Durability::Unsynced);
  if (!out.IsOpen()) {
    reporter.MessageBox(WithFailure(Format(kCantOpenFileMessage, binPath.c_str()), out.Failure()));
    return false;
  }
  std::string image;
  bool ok = BuildBinImage(reporter, hexText, image);
  if (ok && !(out.Write(image) && out.Commit())) {
    reporter.MessageBox(Format("DNCONV: Writing %s failed: %s\n", binPath.c_str(), out.Error().c_str()));
    ok = false;
  }
  if (!ok) {
    // A ".bin" of an earlier run does not belong to this hex image any more.
    std::remove(binPath.c_str());
    return false;
  }
  reporter.MessageBox(kConversionDoneMessage);
  return true;
}

std::string BinPathForHexFile(std::string_view hexPath) {
  std::string out(hexPath);
  const size_t slash = out.find_last_of('/');
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  if (out.size() >= nameStart + kExtHex.size()) {
    const std::string_view ext = std::string_view(out).substr(out.size() - kExtHex.size());
    bool isHex = true;
    for (size_t i = 0; i < ext.size(); ++i)
      isHex = isHex && std::tolower(static_cast<unsigned char>(ext[i])) == kExtHex[i];
    if (isHex) out.resize(out.size() - kExtHex.size());
  }
  out += kExtBin;
  return out;
}

// The list's own ".hex" into its ".bin". Both names are derived from the text file's
// name; neither may be the text file itself, whatever links the folder holds.
bool ConvertHexToBin(CListDB& db) {
  const std::string hexPath = DerivedPath(db.FilePath(), kExtHex);
  const std::string binPath = DerivedPath(db.FilePath(), kExtBin);
  for (const std::string* derived : {&hexPath, &binPath}) {
    if (SameFile(*derived, db.FilePath())) {
      db.Reporter().MessageBox(Format(
          "DNCONV: %s is the channel list itself; the conversion would destroy it.\n", derived->c_str()));
      return false;
    }
  }
  return ConvertHexFileToBin(db.Reporter(), hexPath, binPath);
}

}  // namespace lumoscope
