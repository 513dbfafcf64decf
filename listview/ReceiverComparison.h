#pragma once
// Is the receiver's list the one that was flashed? The receiver's list is uploaded
// through its console, as Upload does, into the user's private upload folder, and
// compared with a list by the rules of CompareLists (ListDiff.h): the list given is the
// first, the receiver's the second, so every change reads "from the list to the
// receiver".
#include <optional>
#include <string>
#include <vector>

#include "listview/ListDiff.h"

namespace lumoscope {

class CListDB;

// The receiver's list of a comparison, beside the upload file in the private folder.
inline constexpr const char* kReceiverListFileName = "VXRreceiver.txt";

// Uploads the receiver's list through `db` (its reporter, options and link) into `target`
// (the upload's own files in `workFolder`, a folder only the user can enter) and compares
// `fields` with it. Nothing when the receiver could not be read or its list does not load;
// the person has been told why. A failed upload writes nothing; `target` is written only
// by an upload that came to its end.
std::optional<ListDifferences> CompareWithReceiver(CListDB& db, const std::vector<std::string>& fields,
                                                   const std::string& target, const std::string& workFolder);

}  // namespace lumoscope
