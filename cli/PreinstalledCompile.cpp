#include "cli/PreinstalledCompile.h"

#include "cli/Commands.h"
#include "database/ListDB.h"
#include "shell/CompileCommands.h"

namespace lumoscope::cli {

int RunCompileCli(CompileKind kind, bool split, const std::string& path, const AppOptions& options,
                  IReporter& reporter) {
  CListDB db(reporter, options, path);
  // The file on disk already is the list to compile: it is only read, never saved or
  // restored, so another program's file, a link or the owner stay as they are.
  db.splitList = split;
  bool ok = false;
  switch (kind) {
    case CompileKind::Normal:
      ok = CompileListFile(db, kCompileNormal);
      break;
    case CompileKind::Basic:
      ok = CompileListFile(db, kCompileBasic);
      break;
    case CompileKind::Preinstalled:
      ok = PreinstalledCompile(db);
      break;
  }
  return ok ? kExitSuccess : kExitFailure;
}

}  // namespace lumoscope::cli
