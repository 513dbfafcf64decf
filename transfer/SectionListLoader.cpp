// Loading the working section list of the open channel list.
#include <string>
#include <vector>

#include "database/FileContents.h"
#include "database/ListDB.h"
#include "database/ReaderMessages.h"
#include "transfer/SectionListParser.h"

namespace lumoscope {

bool CListDB::LoadSectionList(std::vector<std::string>& list) {
  resaveFlag = false;
  // The whole file goes through the compiler's checks first, so the view never shows a
  // list the receiver would not take.
  validateOnly = true;
  const int checked = Compile(kCompileBasic);
  validateOnly = false;
  if (!checked) {
    Reporter().MessageBox("The Text Format is not correct");
    return false;
  }
  std::string text;
  FileFailure failure;
  // The version read is the one a later save must not silently overwrite if another
  // program replaces it meanwhile.
  if (!ReadInputFile(FilePath(), text, failure, &knownVersion_)) {
    Reporter().MessageBox(WithFailure(Format(msg::kCantOpenInput, FilePath().c_str()), failure));
    return false;
  }
  bool resave = false;
  const bool ok = ParseSectionList(text, Reporter(), list, resave);
  resaveFlag = resave;
  return ok;
}

}  // namespace lumoscope
