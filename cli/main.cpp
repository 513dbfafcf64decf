// lumoscope-cli: the channel list tools of Lumoscope Lite on the command line.
#include <CLI/CLI.hpp>
#include <string>

#include "base/Interruption.h"
#include "cli/Commands.h"
#include "cli/ProgramOutput.h"
#include "lumoscope/Version.h"

int main(int argc, char** argv) {
  using namespace lumoscope::cli;
  // Ctrl+C and SIGTERM end a command through its clean path (base/Interruption.h).
  lumoscope::CatchInterruptions();
  CLI::App app{"Lumoscope Lite: check, compile, convert and transfer satellite receiver channel lists",
               "lumoscope-cli"};
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("lumoscope-cli ") + lumoscope::kProgramVersion);
  int exitCode = kExitSuccess;
  AddCompileCommands(app, exitCode);
  AddConvertCommands(app, exitCode);
  AddTransferCommands(app, exitCode);
  AddEditCommands(app, exitCode);
  AddSetCommand(app, exitCode);
  AddImportExportCommands(app, exitCode);
  AddUpkeepCommands(app, exitCode);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return ExitCodeAtEnd(app.exit(e));
  } catch (const CLI::CallForAllHelp& e) {
    return ExitCodeAtEnd(app.exit(e));
  } catch (const CLI::CallForVersion& e) {
    return ExitCodeAtEnd(app.exit(e));
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return ExitCodeAtEnd(kExitUsage);
  }
  return ExitCodeAtEnd(exitCode);
}
