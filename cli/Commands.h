#pragma once
// Each group of subcommands registers itself on the application. A subcommand's
// callback stores its exit code in `exitCode`: 0 success, 1 failure.
#include <CLI/CLI.hpp>

namespace lumoscope::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

void AddCompileCommands(CLI::App& app, int& exitCode);       // check, compile
void AddConvertCommands(CLI::App& app, int& exitCode);       // hex2bin, format
void AddTransferCommands(CLI::App& app, int& exitCode);      // download, upload
void AddEditCommands(CLI::App& app, int& exitCode);          // sort, pad
void AddImportExportCommands(CLI::App& app, int& exitCode);  // import-transponders, export
void AddUpkeepCommands(CLI::App& app, int& exitCode);        // order, lint, tidy, diff

}  // namespace lumoscope::cli
