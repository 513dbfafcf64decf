#include "cli/PreinstalledCompile.h"

#include "cli/Commands.h"
#include "database/ListDB.h"
#include "shell/CompileCommands.h"

namespace lumoscope::cli {

int RunCompileCli(CompileKind kind, bool split, const std::string& path, const AppOptions& options,
                  IReporter& reporter) {
  CListDB db(reporter, options, path);
  // Compile Normal honours --split too: the analog services are then numbered apart.
  db.splitList = split && kind != CompileKind::Preinstalled;
  // The file on disk already is the list to compile.
  const SaveListFn keepFile = [] { return true; };
  bool ok = false;
  switch (kind) {
    case CompileKind::Normal:
      ok = RunCompileCommand(db, kCompileNormal, keepFile);
      break;
    case CompileKind::Basic:
      ok = RunCompileCommand(db, kCompileBasic, keepFile);
      break;
    case CompileKind::Preinstalled:
      ok = split ? RunPreinstalledSplitList(db, keepFile) : RunPreinstalledOneList(db, keepFile);
      break;
  }
  return ok ? kExitSuccess : kExitFailure;
}

}  // namespace lumoscope::cli
