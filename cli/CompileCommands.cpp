// check and compile: the channel list's checks and the receiver images on the command
// line. Every message box of the compile goes to stderr as it is; the exit code says
// whether the list was accepted (0) or not (1).
#include <string>

#include "base/DerivedNames.h"
#include "cli/Commands.h"
#include "cli/ConsoleReporter.h"
#include "cli/PreinstalledCompile.h"
#include "database/ListDB.h"

namespace lumoscope::cli {
namespace {

struct CompileArgs {
  std::string listPath;
  int maxSatellites = kMaxSatellitesSmall;
  bool normal = false;
  bool basic = false;
  bool preinstalled = false;
  bool split = false;
};

void AddListOptions(CLI::App& cmd, CompileArgs& args) {
  AddMaxSatOption(cmd, args.maxSatellites);
  cmd.add_option("LIST", args.listPath, "The channel list's text file (.txt)")->required();
}

int RunCheck(const CompileArgs& args) {
  ConsoleReporter reporter;
  const AppOptions options = ListOptions(args.maxSatellites);
  CListDB db(reporter, options, args.listPath);
  db.validateOnly = true;
  return db.Compile(kCompileBasic) ? kExitSuccess : kExitFailure;
}

// The image of the list into LIST.hex and LIST.bin, as the desktop's compile commands
// make it; the pre-installed image (normal then basic) unless --normal or --basic.
int RunCompile(const CompileArgs& args) {
  ConsoleReporter reporter;
  const AppOptions options = ListOptions(args.maxSatellites);
  const CompileKind kind =
      args.normal ? CompileKind::Normal : (args.basic ? CompileKind::Basic : CompileKind::Preinstalled);
  const int result = RunCompileCli(kind, args.split, args.listPath, options, reporter);
  if (result == kExitSuccess)
    reporter.ShowMessage("Wrote " + DerivedPath(args.listPath, kExtHex) + " and " +
                         DerivedPath(args.listPath, kExtBin) + "\n");
  return result;
}

}  // namespace

void AddCompileCommands(CLI::App& app, int& exitCode) {
  auto checkArgs = std::make_shared<CompileArgs>();
  CLI::App* check = app.add_subcommand("check", "Check a channel list's text file");
  AddListOptions(*check, *checkArgs);
  check->callback([checkArgs, &exitCode] { exitCode = RunCheck(*checkArgs); });

  auto compileArgs = std::make_shared<CompileArgs>();
  CLI::App* compile =
      app.add_subcommand("compile", "Compile a channel list into the receiver's hex and binary images");
  auto* normal = compile->add_flag("--normal", compileArgs->normal, "The normal image (0x7FF10000)");
  auto* basic = compile->add_flag("--basic", compileArgs->basic, "The basic image (0x7FF20000)");
  auto* joined = compile->add_flag("--preinstalled", compileArgs->preinstalled,
                                   "The normal image followed by the basic image (the default)");
  normal->excludes(basic);
  joined->excludes(normal)->excludes(basic);
  compile->add_flag("--split", compileArgs->split, "Number the analog services apart from the digital ones");
  AddListOptions(*compile, *compileArgs);
  compile->callback([compileArgs, &exitCode] { exitCode = RunCompile(*compileArgs); });
}

}  // namespace lumoscope::cli
