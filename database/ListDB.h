#pragma once
// CListDB: one object per open channel list. It holds the path of the list's text file
// and the switches of the compile, ties them to the person (reporter) and options of
// the running program, and compiles the list. The operations of the transfers on the
// same list (hex-to-binary conversion, the working-list loader and writer, the flash
// download and the upload) are free functions of transfer/ that take the CListDB.
#include <string>

#include "base/InputFile.h"
#include "base/Options.h"
#include "base/Reporter.h"

namespace lumoscope {

class ISerialLinkFactory;  // transfer/: opens the serial device behind a port
class PreparedLines;

// Compile modes.
inline constexpr int kCompileBasic = 0;
inline constexpr int kCompileNormal = 1;

class CListDB {
 public:
  CListDB(IReporter& reporter, const AppOptions& options, std::string path = {});

  CListDB(const CListDB&) = delete;
  CListDB& operator=(const CListDB&) = delete;

  // Full path of the list's text file.
  const std::string& FilePath() const { return path_; }
  void SetFilePath(std::string path) { path_ = std::move(path); }

  IReporter& Reporter() const { return *reporter_; }
  const AppOptions& Options() const { return *options_; }

  // Switches set by the document commands and the working-list loader.
  bool splitList = false;     // split-list pre-installed compile: analog numbers restart
  bool validateOnly = false;  // check the text only, write nothing
  bool resaveFlag = false;    // set by the loader when the list should be saved at once

  // What the person wrote into the text file beside its records, set by the loader:
  // the comment block before the first section header, each line ended by CR LF, which
  // the writer puts first; and whether the file holds text that a save does not keep
  // (comments inside the sections, or after "[END]").
  std::string leadingText;
  bool saveLosesText = false;

  // Where the transfers open their serial device; null means the real POSIX ports
  // named by the options.
  ISerialLinkFactory* linkFactory = nullptr;

  // Compiles the text file in mode kCompileNormal or kCompileBasic into the hex image
  // (or only checks it when validateOnly is set). 1 on success, 0 on failure (the
  // person has been told why).
  int Compile(int mode);
  // The same into the hex file `hexPath` instead of the list's own ".hex".
  int CompileInto(int mode, const std::string& hexPath);
  // The validate-only check of lines already read from the text file and prepared; true
  // when they pass (otherwise the person has been told why).
  bool Check(const PreparedLines& lines);

  // The version of the text file this database last read or wrote. Another program's
  // save changes the file's identity or modification time.
  void RememberFileVersion() { knownVersion_ = IdentityOf(path_); }
  void RememberFileVersion(const FileIdentity& version) { knownVersion_ = version; }
  // True when the text file on the disk is no longer the version last read or written
  // here (a missing file counts as unchanged: nobody's work would be overwritten).
  bool ChangedByAnotherProgram() const;

  // The ".bak" of a text file is written by the first save through this database only,
  // so it holds the person's own version and not an earlier save of this session.
  bool BackupKept(const std::string& path) const { return backedUpPath_ == path; }
  void MarkBackupKept(std::string path) { backedUpPath_ = std::move(path); }

 private:
  IReporter* reporter_;
  const AppOptions* options_;
  std::string path_;
  FileIdentity knownVersion_;
  // The text file whose ".bak" this database has already written (or found nothing to
  // keep for).
  std::string backedUpPath_;
};

}  // namespace lumoscope
