#pragma once
// A list run through on the command line the way the window runs it: loaded (and so
// renumbered) by the same list view, without a window.
#include <functional>
#include <string>
#include <vector>

#include "base/Options.h"
#include "base/Reporter.h"
#include "listview/ListView.h"

namespace lumoscope::cli {

// Said when a command would replace a list its owner may not write.
inline constexpr const char* kListReadOnlyMessage = "%s is read-only; nothing was changed.";
// Said when the result of a command is the file as it is.
inline constexpr const char* kListUnchangedMessage = "%s already holds this list; nothing was written.\n";

// Loads the list and hands the view to `use`, whose exit code is returned; the list's
// file is not written. kExitFailure when loading failed (the reason is on stderr).
// `options` give the receiver's number of satellites and the names' encoding.
int WithLoadedList(const std::string& path, const AppOptions& options,
                   const std::function<int(CLumoscopeListView&)>& use);

// Loads the list, edits it and saves it; the writer keeps the previous file as ".bak". The
// run holds the list's lock from loading to saving and writes once, at the end, only when
// `edit` returned true (a refused edit writes nothing) and the result differs from the file.
// A list without the owner's write permission is refused before anything is done.
int EditList(const std::string& path, const AppOptions& options,
             const std::function<bool(CLumoscopeListView&)>& edit);

// True, after telling the person, when `path` (as given on the command line) names a file
// whose owner has no write permission: the command line does not replace such a list.
bool RefusedAsReadOnly(const std::string& path, IReporter& reporter);

// Saves `fields` to the database's list; the exit code. A result equal to the file is
// not written, and the person is told (`path` as given).
int SaveEditedList(CListDB& db, const std::vector<std::string>& fields, const std::string& path,
                   IReporter& reporter);

}  // namespace lumoscope::cli
