// Batch editing for technicians who prepare many lists: the four channel sorts and the
// padding to hundreds, run on a list file through the same list view the window uses,
// so the saved file is exactly what the window would save. A run writes the list once,
// at the end, and only when its edit was made; it holds the list's lock meanwhile.
#include <memory>
#include <string>

#include "cli/BatchList.h"
#include "cli/Commands.h"

namespace lumoscope::cli {

namespace {

// The sort commands by their order number on the command line.
int SortCommandOf(int by) {
  switch (by) {
    case 1:
      return cmd::kSortSatTypeName;
    case 2:
      return cmd::kSortSatTypeFreqName;
    case 3:
      return cmd::kSortSatTypeBouquetName;
    default:
      return cmd::kSortName;
  }
}

struct EditOptions {
  std::string path;
  int by = 1;
  bool descending = false;
  bool keepNumbers = false;
  int maxSatellites = kMaxSatellitesSmall;
};

}  // namespace

void AddEditCommands(CLI::App& app, int& exitCode) {
  auto sortOptions = std::make_shared<EditOptions>();
  CLI::App* sort = app.add_subcommand(
      "sort",
      "Sort the channels: 1 satellite, type, name; 2 satellite, type, frequency, name; 3 satellite, type, "
      "bouquet, name; 4 name");
  sort->add_option("--by", sortOptions->by, "Sort order, 1 to 4")->required()->check(CLI::Range(1, 4));
  sort->add_flag("--descending", sortOptions->descending, "Names in descending order");
  sort->add_flag("--keep-numbers", sortOptions->keepNumbers,
                 "Keep the channel numbers instead of renumbering");
  AddMaxSatOption(*sort, sortOptions->maxSatellites);
  sort->add_option("LIST", sortOptions->path, "The list's text file")->required();
  sort->callback([sortOptions, &exitCode] {
    exitCode =
        EditList(sortOptions->path, ListOptions(sortOptions->maxSatellites), [&](CLumoscopeListView& view) {
          view.SetSortAscending(!sortOptions->descending);
          view.SetRenumberAfterSort(!sortOptions->keepNumbers);
          return view.ExecuteCommand(SortCommandOf(sortOptions->by));
        });
  });

  auto padOptions = std::make_shared<EditOptions>();
  CLI::App* pad = app.add_subcommand(
      "pad", "Pad every satellite's TV and radio channels with null channels up to the next hundred");
  pad->add_flag("--descending", padOptions->descending, "Null channels before the named ones");
  AddMaxSatOption(*pad, padOptions->maxSatellites);
  pad->add_option("LIST", padOptions->path, "The list's text file")->required();
  pad->callback([padOptions, &exitCode] {
    exitCode =
        EditList(padOptions->path, ListOptions(padOptions->maxSatellites), [&](CLumoscopeListView& view) {
          view.SetSortAscending(!padOptions->descending);
          return view.PadToHundreds();
        });
  });
}

}  // namespace lumoscope::cli
