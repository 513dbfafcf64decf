// check and compile: the channel list's checks and the receiver images on the command
// line. Every message box of the compile goes to stderr as it is; the exit code says
// whether the list was accepted (0) or not (1).
#include <string>

#include "cli/Commands.h"
#include "cli/ConsoleReporter.h"
#include "database/DerivedNames.h"
#include "database/ListDB.h"

namespace lumoscope::cli {
namespace {

struct CompileArgs {
  std::string listPath;
  int maxSatellites = kMaxSatellitesSmall;
  bool normal = false;
  bool basic = false;
  bool split = false;
};

void AddListOptions(CLI::App& cmd, CompileArgs& args) {
  cmd.add_option("--max-sat", args.maxSatellites, "Max Satellite Number of the receiver (32 or 40)")
      ->check(CLI::IsMember({kMaxSatellitesSmall, kMaxSatellitesLarge}));
  cmd.add_option("LIST", args.listPath, "The channel list's text file (.txt)")->required();
}

AppOptions OptionsFor(const CompileArgs& args) {
  AppOptions options;
  options.fortySatellites = args.maxSatellites == kMaxSatellitesLarge;
  return options;
}

int RunCheck(const CompileArgs& args) {
  ConsoleReporter reporter;
  const AppOptions options = OptionsFor(args);
  CListDB db(reporter, options, args.listPath);
  db.validateOnly = true;
  return db.Compile(kCompileBasic) ? kExitSuccess : kExitFailure;
}

// One image of the list into LIST.hex.
int RunCompileMode(const CompileArgs& args, int mode) {
  ConsoleReporter reporter;
  const AppOptions options = OptionsFor(args);
  CListDB db(reporter, options, args.listPath);
  db.splitList = args.split;
  if (!db.Compile(mode)) return kExitFailure;
  reporter.ShowMessage("Wrote " + DerivedPath(db.FilePath(), kExtHex) + "\n");
  return kExitSuccess;
}

int RunCompile(const CompileArgs& args) {
  return RunCompileMode(args, args.normal ? kCompileNormal : kCompileBasic);
}

}  // namespace

void AddCompileCommands(CLI::App& app, int& exitCode) {
  auto checkArgs = std::make_shared<CompileArgs>();
  CLI::App* check = app.add_subcommand("check", "Check a channel list's text file");
  AddListOptions(*check, *checkArgs);
  check->callback([checkArgs, &exitCode] { exitCode = RunCheck(*checkArgs); });

  auto compileArgs = std::make_shared<CompileArgs>();
  CLI::App* compile = app.add_subcommand("compile", "Compile a channel list into the receiver's hex image");
  auto* normal = compile->add_flag("--normal", compileArgs->normal, "The normal image (0x7FF10000)");
  auto* basic = compile->add_flag("--basic", compileArgs->basic, "The basic image (0x7FF20000)");
  normal->excludes(basic);
  compile->add_flag("--split", compileArgs->split, "Number the analog services apart from the digital ones");
  AddListOptions(*compile, *compileArgs);
  compile->callback([compileArgs, &exitCode] {
    if (!compileArgs->normal && !compileArgs->basic) throw CLI::RequiredError("one of --normal or --basic");
    exitCode = RunCompile(*compileArgs);
  });
}

}  // namespace lumoscope::cli
