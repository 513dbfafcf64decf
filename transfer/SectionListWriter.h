#pragma once
// Saving the working section list back to a list's text file.
#include <string>
#include <vector>

namespace lumoscope {

class CListDB;

enum class SaveOutcome { Written, Unchanged, Failed };

// Writes `list` to the database's text file (through a symbolic link, keeping its
// permissions), after the comment block the file had at its top (CListDB::leadingText).
// The first write of a text file through this database keeps the file as it was before
// as ".bak"; later writes leave that backup alone, so it holds the person's own version
// and not an earlier save of this session. When the file already holds exactly these
// bytes nothing is written and the backup stays as it is (Unchanged). Failed (after
// telling the person why) when the file or its backup cannot be written; the list is
// then untouched.
SaveOutcome SaveSectionListOutcome(CListDB& db, const std::vector<std::string>& list);

// The same, true unless it failed.
bool SaveSectionList(CListDB& db, const std::vector<std::string>& list);

}  // namespace lumoscope
