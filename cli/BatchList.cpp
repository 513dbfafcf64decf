#include "cli/BatchList.h"

#include <sys/stat.h>

#include "cli/Commands.h"
#include "cli/ConsoleReporter.h"
#include "database/ListDB.h"
#include "listview/NullListControl.h"
#include "transfer/ListLock.h"
#include "transfer/SectionListWriter.h"

namespace lumoscope::cli {

namespace {

// The document of a batch run: one list, loaded from the start, saved in place.
class BatchDocument final : public IViewDocument {
 public:
  explicit BatchDocument(CListDB& db) : db_(&db) {}
  bool IsLoaded() const override { return true; }
  CListDB* Database() override { return db_; }
  // The re-save a load asks for is folded into the one write at the end of the run.
  void Save() override {}
  void SetWindowTitle(const std::string& /*title*/) override {}

 private:
  CListDB* db_;
};

int RunLoaded(const std::string& path, const AppOptions& options, IReporter& reporter,
              const std::function<int(CLumoscopeListView&, CListDB&)>& use) {
  CListDB db(reporter, options, path);
  NullListControl control;
  CLumoscopeListView view(control, reporter);
  view.SetNameEncoding(options.nameEncoding);
  BatchDocument document(db);
  view.SetDocument(&document);
  if (!view.Reload()) return kExitFailure;
  return use(view, db);
}

}  // namespace

int WithLoadedList(const std::string& path, const AppOptions& options,
                   const std::function<int(CLumoscopeListView&)>& use) {
  ConsoleReporter reporter;
  return RunLoaded(path, options, reporter, [&](CLumoscopeListView& view, CListDB&) { return use(view); });
}

int EditList(const std::string& path, const AppOptions& options,
             const std::function<bool(CLumoscopeListView&)>& edit) {
  ConsoleReporter reporter;
  if (RefusedAsReadOnly(path, reporter)) return kExitFailure;
  ListLock lock(path);
  if (!lock.Acquire(reporter)) return kExitFailure;
  return RunLoaded(path, options, reporter, [&](CLumoscopeListView& view, CListDB& db) {
    if (!edit(view)) return kExitFailure;
    return SaveEditedList(db, view.Fields(), path, reporter);
  });
}

bool RefusedAsReadOnly(const std::string& path, IReporter& reporter) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || (st.st_mode & S_IWUSR) != 0) return false;
  reporter.MessageBox(Format(kListReadOnlyMessage, path.c_str()));
  return true;
}

int SaveEditedList(CListDB& db, const std::vector<std::string>& fields, const std::string& path,
                   IReporter& reporter) {
  switch (SaveSectionListOutcome(db, fields)) {
    case SaveOutcome::Written:
      return kExitSuccess;
    case SaveOutcome::Unchanged:
      reporter.ShowMessage(Format(kListUnchangedMessage, path.c_str()));
      return kExitSuccess;
    case SaveOutcome::Failed:
      break;
  }
  return kExitFailure;
}

}  // namespace lumoscope::cli
