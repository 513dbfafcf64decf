#pragma once
// The compile command sequences of the document, as core operations the desktop and
// the command line share. `saveList` writes the list as edited on the screen to the
// text file (the document's "Save list"); it returns false when saving failed.
#include <functional>

namespace lumoscope {

class CListDB;

using SaveListFn = std::function<bool()>;

// Copies the text file to its ".cplsrc" backup, and back.
bool BackupTextFile(CListDB& db);
bool RestoreTextFile(CListDB& db);

// Compiles the text file as it is on the disk in `mode` and converts the image: the
// list's .hex and .bin, both put in place only once both are complete. The text file is
// only read. True when both were written; after a failure neither is left.
bool CompileListFile(CListDB& db, int mode);

// Compile Normal (mode 1) and Basic Compile (mode 0): back up, save list, compile,
// convert, restore. True when both the .hex and the .bin were written.
bool RunCompileCommand(CListDB& db, int mode, const SaveListFn& saveList);

// The joined normal + basic image (".hex" then ".bin"); the list must already be saved.
// The text file is only read.
bool PreinstalledCompile(CListDB& db);

// "Pre-Installed Compile => 1 List": save list, pre-installed compile (no backup).
bool RunPreinstalledOneList(CListDB& db, const SaveListFn& saveList);
// "Pre-Installed Compile => Split List": back up, save list, compile with the
// split-list switch, restore.
bool RunPreinstalledSplitList(CListDB& db, const SaveListFn& saveList);

}  // namespace lumoscope
