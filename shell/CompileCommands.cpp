// The compile commands of the document: the text file is backed up while the edited
// list is compiled, the images are converted, and the pre-installed image joins the
// normal and the basic image into one file. Every image is made under a temporary name
// beside its own and takes that name only when the whole image is complete, the binary
// image included; a failed compile removes the list's images, so nothing that could be
// flashed is left from a compile that did not succeed.
#include "shell/CompileCommands.h"

#include <cerrno>
#include <cstdio>
#include <string>

#include "base/DerivedNames.h"
#include "base/FileContents.h"
#include "base/ReplacingFile.h"
#include "base/Reporter.h"
#include "base/TemporaryNames.h"
#include "database/ListDB.h"
#include "database/ReaderMessages.h"
#include "shell/ImageFiles.h"
#include "transfer/HexToBin.h"

namespace lumoscope {

namespace {

constexpr const char* kSourceOpenFailed = "Error On Save As Temp File: %s\n";
constexpr const char* kTargetCreateFailed = "Error On Save As Temp File : %s\n";
constexpr const char* kSizeNotEqual = "Error On Save As Temp File : File Size not Equal";
constexpr const char* kHexFailed = "Making a HEX file is failed!";
constexpr const char* kBinFailed = "Making a BIN file is failed!";
constexpr const char* kListKeptIn = "The list is kept in %s\n";

std::string BackupPath(const CListDB& db) {
  return DerivedPath(db.FilePath(), kExtCompileBackup);
}

// A temporary file for an image beside `target`; told when it cannot be made.
bool MadeTemporary(IReporter& reporter, const TemporaryFile& temp, const std::string& target) {
  if (!temp.Path().empty()) return true;
  reporter.MessageBox(
      WithFailure(Format(msg::kCantOpenOutput, target.c_str()), FailureFromErrno(target, temp.Error())));
  return false;
}

// Compile in `mode` into `hexPath`, telling the person when it fails.
bool CompileImageInto(CListDB& db, int mode, const TemporaryFile& hex) {
  if (db.CompileInto(mode, hex.Path())) return true;
  db.Reporter().MessageBox(kHexFailed);
  return false;
}

// Converts the complete hex image `hex` into the binary image and puts both in place of
// the list's ".hex" and ".bin".
bool ConvertAndPublish(CListDB& db, TemporaryFile& hex) {
  IReporter& reporter = db.Reporter();
  const std::string binPath = DerivedPath(db.FilePath(), kExtBin);
  TemporaryFile bin(binPath);
  if (!MadeTemporary(reporter, bin, binPath)) return false;
  if (!ConvertHexFileToBin(reporter, hex.Path(), bin.Path())) {
    reporter.MessageBox(kBinFailed);
    return false;
  }
  if (!PublishImages(reporter, hex.Path(), DerivedPath(db.FilePath(), kExtHex), bin.Path(), binPath))
    return false;
  hex.Release();
  bin.Release();
  return true;
}

// Before a compile writes anything (and after a failed one) no image of an earlier list
// stays beside the list: whenever the compile stops, the images there are of this list or
// there are none.
void RemoveImages(const CListDB& db) {
  std::remove(DerivedPath(db.FilePath(), kExtHex).c_str());
  std::remove(DerivedPath(db.FilePath(), kExtBin).c_str());
}

// A copy of a text file, whole or not at all, as the backup of the list before a compile
// and its restore afterwards make it; what to tell the person when it failed.
struct FileCopy {
  bool done = false;
  bool sourceUnreadable = false;
  std::string failure;
};

FileCopy CopyWhole(const std::string& from, const std::string& to) {
  std::string contents;
  FileFailure failure;
  if (!ReadInputFile(from, contents, failure))
    return {false, true, WithFailure(Format(kSourceOpenFailed, from.c_str()), failure)};
  ReplacingFile out(to);
  if (!out.IsOpen())
    return {false, false, WithFailure(Format(kTargetCreateFailed, to.c_str()), out.Failure())};
  if (!out.Write(contents) || !out.Commit() || FileSize(to) != contents.size())
    return {false, false, kSizeNotEqual};
  return {true, false, {}};
}

}  // namespace

bool BackupTextFile(CListDB& db) {
  const FileCopy copy = CopyWhole(db.FilePath(), BackupPath(db));
  if (!copy.done) db.Reporter().MessageBox(copy.failure);
  return copy.done;
}

bool RestoreTextFile(CListDB& db) {
  IReporter& reporter = db.Reporter();
  const std::string backupPath = BackupPath(db);
  const FileCopy copy = CopyWhole(backupPath, db.FilePath());
  if (copy.sourceUnreadable) {
    std::remove(backupPath.c_str());
    reporter.MessageBox(copy.failure);
    return false;
  }
  if (!copy.done) {
    // The backup is the only copy of the list as it was before the compile: it stays on
    // the disk, and the person learns where, until the text file holds it again.
    reporter.MessageBox(copy.failure + "\n" + Format(kListKeptIn, backupPath.c_str()));
    return false;
  }
  std::remove(backupPath.c_str());
  // The program's own write: a later save must not take it for another program's.
  db.RememberFileVersion();
  return true;
}

bool CompileListFile(CListDB& db, int mode) {
  RemoveImages(db);
  const std::string hexPath = DerivedPath(db.FilePath(), kExtHex);
  TemporaryFile hex(hexPath);
  const bool ok = MadeTemporary(db.Reporter(), hex, hexPath) && CompileImageInto(db, mode, hex) &&
                  ConvertAndPublish(db, hex);
  if (!ok) RemoveImages(db);
  return ok;
}

bool RunCompileCommand(CListDB& db, int mode, const SaveListFn& saveList) {
  RemoveImages(db);    // the save that follows makes them another list's images
  BackupTextFile(db);  // a failed backup does not stop the compile
  bool ok = false;
  // Compiling after a failed save would turn the old file into images that look like
  // the edited list; the save has told the person why it failed.
  if (saveList()) ok = CompileListFile(db, mode);
  const bool restored = RestoreTextFile(db);
  return ok && restored;
}

bool PreinstalledCompile(CListDB& db) {
  IReporter& reporter = db.Reporter();
  const std::string hexPath = DerivedPath(db.FilePath(), kExtHex);
  // A ".mrg" file beside the list is what an interrupted join of the images leaves: part
  // of an old image that nobody must download. The images are joined in a temporary
  // file now; the leftover goes.
  std::remove(DerivedPath(db.FilePath(), kExtMerge).c_str());
  RemoveImages(db);

  // The normal image is joined with the basic image behind it in a temporary file; the
  // list's ".hex" sees only the whole pre-installed image.
  TemporaryFile joined(hexPath);
  TemporaryFile basic(hexPath);
  const bool ok = MadeTemporary(reporter, joined, hexPath) && MadeTemporary(reporter, basic, hexPath) &&
                  CompileImageInto(db, kCompileNormal, joined) &&
                  CheckNormalImageSize(reporter, joined.Path()) &&
                  CompileImageInto(db, kCompileBasic, basic) &&
                  AppendImage(reporter, basic.Path(), joined.Path()) && ConvertAndPublish(db, joined);
  if (!ok) RemoveImages(db);
  return ok;
}

bool RunPreinstalledOneList(CListDB& db, const SaveListFn& saveList) {
  db.splitList = false;
  RemoveImages(db);
  if (!saveList()) return false;
  return PreinstalledCompile(db);
}

bool RunPreinstalledSplitList(CListDB& db, const SaveListFn& saveList) {
  db.splitList = true;
  RemoveImages(db);
  BackupTextFile(db);
  const bool ok = saveList() && PreinstalledCompile(db);
  const bool restored = RestoreTextFile(db);
  db.splitList = false;
  return ok && restored;
}

}  // namespace lumoscope
