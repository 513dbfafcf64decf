#pragma once
// Turning one working list into another by its pooled ids, changing only the strings
// that differ. Undo and redo give back a list that is mostly the one shown (one edit
// away, and channel numbers); comparing ids costs a fraction of comparing or copying
// every string, and the refresh then rebuilds only what the patch changed.
#include <string>
#include <vector>

#include "listview/FieldsChange.h"
#include "listview/StringPool.h"

namespace lumoscope {

// `fields`, whose ids are `from`, becomes the list of the ids `to`. Gives the strings
// replaced, in the positions `fields` had: one splice where the lengths differ, placed
// so that the fewest strings around it differ, and one splice of one string for each
// string that differs elsewhere.
std::vector<FieldsSplice> PatchFields(std::vector<std::string>& fields,
                                      const std::vector<StringPool::Id>& from,
                                      const std::vector<StringPool::Id>& to, const StringPool& pool);

}  // namespace lumoscope
