#pragma once
// Saving the working section list back to a list's text file.
#include <string>
#include <vector>

namespace lumoscope {

class CListDB;

// Writes `list` to the database's text file, keeping the previous file as ".bak". False
// (after telling the person why) when the file cannot be written; it is then untouched.
bool SaveSectionList(CListDB& db, const std::vector<std::string>& list);

}  // namespace lumoscope
