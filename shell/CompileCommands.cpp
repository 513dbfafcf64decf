// The compile commands of the document: the text file is backed up while the edited
// list is compiled, the images are converted, and the pre-installed image joins the
// normal and the basic image into one file.
#include "shell/CompileCommands.h"

#include <cstdio>
#include <string>

#include "base/DerivedNames.h"
#include "base/FileContents.h"
#include "base/ReplacingFile.h"
#include "base/Reporter.h"
#include "database/ListDB.h"
#include "shell/ImageFiles.h"
#include "transfer/HexToBin.h"

namespace lumoscope {

namespace {

constexpr const char* kSourceOpenFailed = "Error On Save As Temp File: %s\n";
constexpr const char* kTargetCreateFailed = "Error On Save As Temp File : %s\n";
constexpr const char* kSizeNotEqual = "Error On Save As Temp File : File Size not Equal";
constexpr const char* kHexFailed = "Making a HEX file is failed!";
constexpr const char* kBinFailed = "Making a BIN file is failed!";

std::string BackupPath(const CListDB& db) {
  return DerivedPath(db.FilePath(), kExtCompileBackup);
}

// Compile in `mode`, telling the person when it fails.
bool CompileImage(CListDB& db, int mode) {
  if (db.Compile(mode)) return true;
  db.Reporter().MessageBox(kHexFailed);
  return false;
}

bool ConvertImage(CListDB& db) {
  if (ConvertHexToBin(db)) return true;
  db.Reporter().MessageBox(kBinFailed);
  return false;
}

}  // namespace

bool BackupTextFile(CListDB& db) {
  IReporter& reporter = db.Reporter();
  const std::string& textPath = db.FilePath();
  const std::string backupPath = BackupPath(db);
  std::string contents;
  if (!ReadFileContents(textPath, contents)) {
    reporter.MessageBox(Format(kSourceOpenFailed, textPath.c_str()));
    return false;
  }
  ReplacingFile out(backupPath);
  if (!out.IsOpen()) {
    reporter.MessageBox(Format(kTargetCreateFailed, backupPath.c_str()));
    return false;
  }
  if (!out.Write(contents) || !out.Commit() || FileSize(backupPath) != contents.size()) {
    reporter.MessageBox(kSizeNotEqual);
    return false;
  }
  return true;
}

bool RestoreTextFile(CListDB& db) {
  IReporter& reporter = db.Reporter();
  const std::string& textPath = db.FilePath();
  const std::string backupPath = BackupPath(db);
  std::string contents;
  if (!ReadFileContents(backupPath, contents)) {
    std::remove(backupPath.c_str());
    reporter.MessageBox(Format(kSourceOpenFailed, backupPath.c_str()));
    return false;
  }
  // The backup is the only copy of the list as it was before the compile: it stays on
  // the disk, and the person learns where, until the text file holds it again.
  ReplacingFile out(textPath);
  if (!out.IsOpen()) {
    reporter.MessageBox(Format(kTargetCreateFailed, textPath.c_str()) +
                        Format("The list is kept in %s\n", backupPath.c_str()));
    return false;
  }
  if (!out.Write(contents) || !out.Commit() || FileSize(textPath) != contents.size()) {
    reporter.MessageBox(std::string(kSizeNotEqual) + "\n" +
                        Format("The list is kept in %s\n", backupPath.c_str()));
    return false;
  }
  std::remove(backupPath.c_str());
  return true;
}

bool RunCompileCommand(CListDB& db, int mode, const SaveListFn& saveList) {
  BackupTextFile(db);  // a failed backup does not stop the compile
  bool ok = false;
  // Compiling after a failed save would turn the old file into images that look like
  // the edited list; the save has told the person why it failed.
  if (saveList()) ok = CompileImage(db, mode) && ConvertImage(db);
  const bool restored = RestoreTextFile(db);
  return ok && restored;
}

bool PreinstalledCompile(CListDB& db) {
  IReporter& reporter = db.Reporter();
  const std::string hexPath = DerivedPath(db.FilePath(), kExtHex);
  const std::string mergePath = DerivedPath(db.FilePath(), kExtMerge);

  // A merge file left by an interrupted run would take the place of this run's image.
  std::remove(mergePath.c_str());

  if (!CompileImage(db, kCompileNormal)) return false;
  if (!CheckNormalImageSize(reporter, hexPath)) {
    std::remove(hexPath.c_str());
    std::remove(DerivedPath(db.FilePath(), kExtBin).c_str());
    return false;
  }
  if (std::rename(hexPath.c_str(), mergePath.c_str()) != 0) {
    reporter.MessageBox(Format("Can't open nessesary file : %s\n", mergePath.c_str()));
    return false;
  }
  const bool joined = CompileImage(db, kCompileBasic) && AppendImage(reporter, hexPath, mergePath) &&
                      std::rename(mergePath.c_str(), hexPath.c_str()) == 0;
  if (!joined) {
    std::remove(mergePath.c_str());
    return false;
  }
  return ConvertImage(db);
}

bool RunPreinstalledOneList(CListDB& db, const SaveListFn& saveList) {
  db.splitList = false;
  if (!saveList()) return false;
  return PreinstalledCompile(db);
}

bool RunPreinstalledSplitList(CListDB& db, const SaveListFn& saveList) {
  db.splitList = true;
  BackupTextFile(db);
  const bool ok = saveList() && PreinstalledCompile(db);
  const bool restored = RestoreTextFile(db);
  db.splitList = false;
  return ok && restored;
}

}  // namespace lumoscope
