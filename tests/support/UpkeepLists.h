#pragma once
// Generated lists for the upkeep tests (ordering like a reference, tidying up, comparing):
// channels with unique names and service IDs and only transponders that channels use,
// so that every duplicate, unused transponder or difference a test finds is one it made.
#include <string>
#include <vector>

#include "tests/support/TempDir.h"
#include "tools/listgen/ListGenerator.h"

namespace lumoscope::test {

using Record = std::vector<std::string>;

// A generated list without null channels, repeated names or unused transponders; names
// are "Ch<n>", "Pid<n>" and "An<n>".
listgen::ListContent UpkeepList(unsigned seed);

// A null channel on the transponder and satellite of `like` (a CHANNEL record).
Record NullChannelLike(const Record& like, int index);

// Writes the list as `name` in `dir` and loads it as the window does; fails the test when
// it does not load.
std::vector<std::string> LoadContent(const listgen::ListContent& content, const TempDir& dir,
                                     const std::string& name);

}  // namespace lumoscope::test
