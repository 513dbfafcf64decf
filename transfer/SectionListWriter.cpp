// Saving the working section list back to the channel list's text file.
#include "transfer/SectionListWriter.h"

#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "base/DerivedNames.h"
#include "base/FileContents.h"
#include "base/ReplacingFile.h"
#include "database/ListDB.h"
#include "database/ReaderMessages.h"
#include "transfer/SectionListFormatter.h"

namespace lumoscope {

namespace {

constexpr const char* kBackupFailed = "The list was not saved: its backup %s cannot be written.\n";

// Keeps the text file `realPath` as it is now under `backupPath`, without taking it
// away: the backup is a second name of the same file when the file system allows it, a
// copy otherwise. False (with the reason) when no backup could be made.
bool KeepBackup(const std::string& realPath, const std::string& backupPath, FileFailure& failure) {
  if (access(realPath.c_str(), F_OK) != 0) return true;  // nothing to keep (first save)
  // unlink, not remove: a folder in the backup's place is refused, never deleted.
  if (unlink(backupPath.c_str()) != 0 && errno != ENOENT) {
    failure = FailureFromErrno(backupPath, errno);
    return false;
  }
  if (link(realPath.c_str(), backupPath.c_str()) == 0) return true;
  std::string contents;
  if (!ReadInputFile(realPath, contents, failure)) return false;
  std::string error;
  if (ReplaceFileContents(backupPath, contents, error)) return true;
  failure = {backupPath, error};
  return false;
}

}  // namespace

SaveOutcome SaveSectionListOutcome(CListDB& db, const std::vector<std::string>& list) {
  const std::string& path = db.FilePath();
  const std::string backupPath = DerivedPath(path, kExtBak);
  const std::string text = db.leadingText + FormatSectionList(list);

  std::string onDisk;
  if (ReadFileContents(path, onDisk) && onDisk == text) {
    db.RememberFileVersion();
    return SaveOutcome::Unchanged;
  }
  ReplacingFile out(path);
  if (!out.IsOpen()) {
    db.Reporter().MessageBox(WithFailure(Format(msg::kCantOpenTemp, path.c_str()), out.Failure()));
    return SaveOutcome::Failed;
  }
  if (!db.BackupKept(path)) {
    FileFailure failure;
    if (!KeepBackup(out.RealTarget(), backupPath, failure)) {
      db.Reporter().MessageBox(WithFailure(Format(kBackupFailed, backupPath.c_str()), failure));
      return SaveOutcome::Failed;
    }
    db.MarkBackupKept(path);
  }
  if (!out.Write(text) || !out.Commit()) {
    db.Reporter().MessageBox(
        WithFailure(Format("Can't write the text file : %s\n", path.c_str()), out.Failure()) +
        Format("\nThe previous list is kept in %s\n", backupPath.c_str()));
    return SaveOutcome::Failed;
  }
  db.RememberFileVersion();
  return SaveOutcome::Written;
}

bool SaveSectionList(CListDB& db, const std::vector<std::string>& list) {
  return SaveSectionListOutcome(db, list) != SaveOutcome::Failed;
}

}  // namespace lumoscope
