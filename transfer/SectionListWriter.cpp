// Saving the working section list back to the channel list's text file.
#include "transfer/SectionListWriter.h"

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/DerivedNames.h"
#include "base/FileContents.h"
#include "base/ReplacingFile.h"
#include "database/ListDB.h"
#include "transfer/SectionListFormatter.h"

namespace lumoscope {

namespace {

// Keeps the current text file as ".bak" without taking it away: the backup is a second
// name of the same file when the file system allows it, a copy otherwise. The text file
// itself is replaced only once the new content is safely on the disk.
void KeepBackup(const std::string& textPath, const std::string& backupPath) {
  if (access(textPath.c_str(), F_OK) != 0) return;  // nothing to keep (first save)
  std::remove(backupPath.c_str());
  if (link(textPath.c_str(), backupPath.c_str()) == 0) return;
  std::string contents;
  std::string error;
  if (ReadFileContents(textPath, contents)) ReplaceFileContents(backupPath, contents, error);
}

}  // namespace

bool SaveSectionList(CListDB& db, const std::vector<std::string>& list) {
  const std::string& path = db.FilePath();
  const std::string backupPath = DerivedPath(path, kExtBak);
  const std::string text = FormatSectionList(list);

  ReplacingFile out(path);
  if (!out.IsOpen()) {
    db.Reporter().MessageBox(Format("Can't open .temp file : %s\n", path.c_str()));
    return false;
  }
  KeepBackup(path, backupPath);
  if (!out.Write(text) || !out.Commit()) {
    db.Reporter().MessageBox(Format("Can't write the text file : %s\n(%s)\nThe previous list is kept in %s\n",
                                    path.c_str(), out.Error().c_str(), backupPath.c_str()));
    return false;
  }
  return true;
}

}  // namespace lumoscope
