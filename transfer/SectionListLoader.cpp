// Loading the working section list of the open channel list.
#include "transfer/SectionListLoader.h"

#include <string>
#include <vector>

#include "base/FileContents.h"
#include "database/ListDB.h"
#include "database/ReaderMessages.h"
#include "transfer/SectionListParser.h"

namespace lumoscope {

bool LoadSectionList(CListDB& db, std::vector<std::string>& list) {
  db.resaveFlag = false;
  // The whole file goes through the compiler's checks first, so the view never shows a
  // list the receiver would not take.
  db.validateOnly = true;
  const int checked = db.Compile(kCompileBasic);
  db.validateOnly = false;
  if (!checked) {
    db.Reporter().MessageBox("The Text Format is not correct");
    return false;
  }
  std::string text;
  FileFailure failure;
  // The version read is the one a later save must not silently overwrite if another
  // program replaces it meanwhile.
  FileIdentity version;
  if (!ReadInputFile(db.FilePath(), text, failure, &version)) {
    db.Reporter().MessageBox(WithFailure(Format(msg::kCantOpenInput, db.FilePath().c_str()), failure));
    return false;
  }
  bool resave = false;
  ListTextNotes notes;
  // A refused list leaves the database as it was: it may still stand for the list
  // that is open.
  if (!ParseSectionList(text, db.Reporter(), list, resave, &notes)) return false;
  db.RememberFileVersion(version);
  db.resaveFlag = resave;
  db.leadingText.clear();
  for (const std::string& line : notes.leadingLines) db.leadingText += line + "\r\n";
  db.saveLosesText = notes.textLostBySave;
  return true;
}

}  // namespace lumoscope
