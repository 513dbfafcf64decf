#pragma once
// Loading the working section list (the list view's m_fields) from a list's text file.
#include <string>
#include <vector>

namespace lumoscope {

class CListDB;

// Checks the whole text file with the compiler's checks first, then appends its
// sections to `list`, remembers the file's version, keeps the comment block at the top
// of the file for the writer and sets the database's resave flag when the list should be
// saved at once. False (after telling the person why) for a
// refused or unreadable file, whose version is not remembered.
bool LoadSectionList(CListDB& db, std::vector<std::string>& list);

}  // namespace lumoscope
