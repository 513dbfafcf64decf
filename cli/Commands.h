#pragma once
// Each group of subcommands registers itself on the application. A subcommand's
// callback stores its exit code in `exitCode`: 0 success, 1 failure.
#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "base/NameText.h"
#include "base/Options.h"

namespace lumoscope::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

void AddCompileCommands(CLI::App& app, int& exitCode);       // check, compile
void AddConvertCommands(CLI::App& app, int& exitCode);       // hex2bin, format
void AddTransferCommands(CLI::App& app, int& exitCode);      // download, upload
void AddEditCommands(CLI::App& app, int& exitCode);          // sort, pad
void AddSetCommand(CLI::App& app, int& exitCode);            // set
void AddImportExportCommands(CLI::App& app, int& exitCode);  // import-transponders, import-channels, export
void AddUpkeepCommands(CLI::App& app, int& exitCode);        // order, lint, tidy, diff

// --max-sat 32|40: the receiver's number of satellites, which the list's satellite name
// section must have exactly (32 unless given). Every command that reads a list takes it.
CLI::Option* AddMaxSatOption(CLI::App& command, int& maxSatellites);
// The program's options for a list of a receiver with `maxSatellites` satellites, its names
// in `encoding` (an --encoding value).
AppOptions ListOptions(int maxSatellites, const std::string& encoding = {});

// How a command that shows or matches names reads its lists: --encoding and --max-sat.
struct ListReading {
  std::string encoding;
  int maxSatellites = kMaxSatellitesSmall;
  AppOptions Options() const { return ListOptions(maxSatellites, encoding); }
};
void AddListReadingOptions(CLI::App& command, ListReading& reading);

}  // namespace lumoscope::cli
