// Loading the working section list of the open channel list.
#include "transfer/SectionListLoader.h"

#include <optional>
#include <string>
#include <vector>

#include "base/FileContents.h"
#include "base/Reporter.h"
#include "base/TextLines.h"
#include "database/ListDB.h"
#include "database/ReaderMessages.h"
#include "transfer/SectionListParser.h"

namespace lumoscope {

bool LoadSectionList(CListDB& db, std::vector<std::string>& list) {
  db.resaveFlag = false;
  IReporter& reporter = db.Reporter();
  // The file is read and its lines prepared once: the compiler's checks run over them
  // first, so the view never shows a list the receiver would not take, and the list is
  // then read from the very lines that passed.
  std::string text;
  FileFailure failure;
  // The version read is the one a later save must not silently overwrite if another
  // program replaces it meanwhile.
  FileIdentity version;
  std::optional<PreparedLines> lines;
  bool checked = false;
  {
    WaitGuard wait(reporter);
    if (!ReadInputFile(db.FilePath(), text, failure, &version)) {
      reporter.MessageBox(WithFailure(Format(msg::kCantOpenInput, db.FilePath().c_str()), failure));
    } else {
      lines.emplace(text);
      checked = db.Check(*lines);
    }
  }
  if (!checked) {
    reporter.MessageBox("The Text Format is not correct");
    return false;
  }
  bool resave = false;
  ListTextNotes notes;
  // A refused list leaves the database as it was: it may still stand for the list
  // that is open.
  if (!ParseSectionList(*lines, reporter, list, resave, &notes)) return false;
  db.RememberFileVersion(version);
  db.resaveFlag = resave;
  db.leadingText.clear();
  for (const std::string& line : notes.leadingLines) db.leadingText += line + "\r\n";
  db.saveLosesText = notes.textLostBySave;
  return true;
}

}  // namespace lumoscope
