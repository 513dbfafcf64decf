// Loading the working section list of the open channel list.
#include <string>
#include <vector>

#include "base/FileContents.h"
#include "database/ListDB.h"
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
  if (!ReadFileContents(FilePath(), text)) {
    Reporter().MessageBox(Format("Can't open Input file : %s\n", FilePath().c_str()));
    return false;
  }
  bool resave = false;
  const bool ok = ParseSectionList(text, Reporter(), list, resave);
  resaveFlag = resave;
  return ok;
}

}  // namespace lumoscope
