#pragma once
// Small channel lists written by hand for the tests of the working files, and a probe
// for the real compiler (which the pre-installed and round-trip tests need).
#include <string>
#include <vector>

namespace lumoscope::test {

// CR LF line ends.
std::string Crlf(const std::vector<std::string>& lines);

// A valid list in the program's own section order with every section present:
// `satNames` name-list entries, two satellites, two D_TPs, three digital channels, one
// PID channel and two analog transponders.
std::string SmallValidList(int satNames = 32);

// A valid list with `channels` digital channels (and proportionate transponders, PID
// channels and analog transponders), for round trips on larger lists.
std::string GeneratedList(int channels, unsigned seed);

// True when CListDB::Compile really compiles (a normal compile of a small valid list
// succeeds); false while the placeholder is linked.
bool RealCompilerAvailable();

}  // namespace lumoscope::test
