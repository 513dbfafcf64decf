// Placeholder until the compile command sequences land.
#include "shell/CompileCommands.h"

namespace lumoscope {

bool BackupTextFile(CListDB&) { return false; }
bool RestoreTextFile(CListDB&) { return false; }
bool RunCompileCommand(CListDB&, int, const SaveListFn&) { return false; }
bool PreinstalledCompile(CListDB&) { return false; }
bool RunPreinstalledOneList(CListDB&, const SaveListFn&) { return false; }
bool RunPreinstalledSplitList(CListDB&, const SaveListFn&) { return false; }

}  // namespace lumoscope
