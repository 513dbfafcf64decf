#pragma once
// Each group of subcommands registers itself on the application. A subcommand's
// callback stores its exit code in `exitCode`: 0 success, 1 failure.
#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "base/NameText.h"

namespace lumoscope::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

void AddCompileCommands(CLI::App& app, int& exitCode);       // check, compile
void AddConvertCommands(CLI::App& app, int& exitCode);       // hex2bin, format
void AddTransferCommands(CLI::App& app, int& exitCode);      // download, upload
void AddEditCommands(CLI::App& app, int& exitCode);          // sort, pad
void AddSetCommand(CLI::App& app, int& exitCode);            // set
void AddImportExportCommands(CLI::App& app, int& exitCode);  // import-transponders, export
void AddUpkeepCommands(CLI::App& app, int& exitCode);        // order, lint, tidy, diff

// --encoding NAME: the receiver's character set, by which the list's names are read and
// written (the name of one of kNameEncodings, in any case; ISO-8859-1 unless given).
CLI::Option* AddEncodingOption(CLI::App& command, std::string& encoding);
// The encoding that an --encoding value (checked by the option) names.
NameEncoding EncodingNamed(const std::string& name);

}  // namespace lumoscope::cli
