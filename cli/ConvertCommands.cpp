// hex2bin: a chosen hex image into its binary image.
// format:  a list loaded into the working section list and written back in the
//          program's own layout (the previous file is kept as ".bak").
#include <memory>
#include <string>
#include <vector>

#include "base/Options.h"
#include "cli/BatchList.h"
#include "cli/Commands.h"
#include "cli/ConsoleReporter.h"
#include "database/ListDB.h"
#include "transfer/HexToBin.h"
#include "transfer/ListLock.h"
#include "transfer/SectionListLoader.h"

namespace lumoscope::cli {

namespace {

struct ConvertArgs {
  std::string hexPath;
  std::string listPath;
  int maxSatellites = kMaxSatellitesSmall;
};

}  // namespace

void AddConvertCommands(CLI::App& app, int& exitCode) {
  auto args = std::make_shared<ConvertArgs>();

  CLI::App* hex2bin = app.add_subcommand("hex2bin", "Convert a hex image into the binary image (IMAGE.bin)");
  hex2bin->add_option("IMAGE", args->hexPath, "Hex image file")->required();
  hex2bin->callback([args, &exitCode] {
    ConsoleReporter reporter;
    const bool ok = ConvertHexFileToBin(reporter, args->hexPath, BinPathForHexFile(args->hexPath));
    exitCode = ok ? kExitSuccess : kExitFailure;
  });

  CLI::App* format = app.add_subcommand(
      "format", "Rewrite a channel list in the program's own layout, keeping the previous file as LIST.bak");
  format->add_option("LIST", args->listPath, "Channel list text file")->required();
  AddMaxSatOption(*format, args->maxSatellites);
  format->callback([args, &exitCode] {
    ConsoleReporter reporter;
    if (RefusedAsReadOnly(args->listPath, reporter)) {
      exitCode = kExitFailure;
      return;
    }
    ListLock lock(args->listPath);
    if (!lock.Acquire(reporter)) {
      exitCode = kExitFailure;
      return;
    }
    const AppOptions options = ListOptions(args->maxSatellites);
    CListDB db(reporter, options, args->listPath);
    std::vector<std::string> fields;
    exitCode =
        LoadSectionList(db, fields) ? SaveEditedList(db, fields, args->listPath, reporter) : kExitFailure;
  });
}

}  // namespace lumoscope::cli
