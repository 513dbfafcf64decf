#pragma once
// Reading a list beside the open one (the reference to order like, the list to compare
// with): checked and loaded as Open loads a list, with its own database, so the open
// list and its file stay as they are.
#include <optional>
#include <string>
#include <vector>

#include "base/Options.h"

namespace lumoscope {

class IReporter;

// The working section list of the list at `path`; nothing, after the loader has told the
// person why, when it does not load.
std::optional<std::vector<std::string>> LoadOtherList(const std::string& path, const AppOptions& options,
                                                      IReporter& reporter);

}  // namespace lumoscope
