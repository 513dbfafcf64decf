// Batch editing for technicians who prepare many lists: the four channel sorts and the
// padding to hundreds, run on a list file through the same list view the window uses,
// so the saved file is exactly what the window would save. A run writes the list once,
// at the end, and only when its edit was made; it holds the list's lock meanwhile.
#include <functional>
#include <memory>
#include <string>

#include "cli/Commands.h"
#include "cli/ConsoleReporter.h"
#include "database/ListDB.h"
#include "listview/ListView.h"
#include "listview/NullListControl.h"
#include "transfer/ListLock.h"
#include "transfer/SectionListWriter.h"

namespace lumoscope::cli {

namespace {

// The document of a batch run: one list, loaded from the start, saved in place.
class BatchDocument final : public IViewDocument {
 public:
  explicit BatchDocument(CListDB& db) : db_(&db) {}
  bool IsLoaded() const override { return loaded_; }
  CListDB* Database() override { return db_; }
  const std::string& PreviousPath() const override { return previousPath_; }
  void ClearLoaded() override { loaded_ = false; }
  // The re-save a load asks for is folded into the one write at the end of the run.
  void Save() override {}
  void SetWindowTitle(const std::string& /*title*/) override {}

 private:
  CListDB* db_;
  bool loaded_ = true;
  std::string previousPath_;
};

// Loads the list as the window does (which renumbers it), edits it and saves it; the
// writer keeps the previous file as ".bak". A refused edit writes nothing.
int EditList(const std::string& path, const std::function<bool(CLumoscopeListView&)>& edit) {
  ConsoleReporter reporter;
  ListLock lock(path);
  if (!lock.Acquire(reporter)) return kExitFailure;
  AppOptions options;
  CListDB db(reporter, options, path);
  NullListControl control;
  CLumoscopeListView view(control, reporter);
  BatchDocument document(db);
  view.SetDocument(&document);
  if (!view.Reload()) return kExitFailure;
  if (!edit(view)) return kExitFailure;
  return SaveSectionList(db, view.Fields()) ? kExitSuccess : kExitFailure;
}

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
  sort->add_option("LIST", sortOptions->path, "The list's text file")->required();
  sort->callback([sortOptions, &exitCode] {
    exitCode = EditList(sortOptions->path, [&](CLumoscopeListView& view) {
      view.SetSortAscending(!sortOptions->descending);
      view.SetRenumberAfterSort(!sortOptions->keepNumbers);
      return view.ExecuteCommand(SortCommandOf(sortOptions->by));
    });
  });

  auto padOptions = std::make_shared<EditOptions>();
  CLI::App* pad = app.add_subcommand(
      "pad", "Pad every satellite's TV and radio channels with null channels up to the next hundred");
  pad->add_flag("--descending", padOptions->descending, "Null channels before the named ones");
  pad->add_option("LIST", padOptions->path, "The list's text file")->required();
  pad->callback([padOptions, &exitCode] {
    exitCode = EditList(padOptions->path, [&](CLumoscopeListView& view) {
      view.SetSortAscending(!padOptions->descending);
      return view.PadToHundreds();
    });
  });
}

}  // namespace lumoscope::cli
