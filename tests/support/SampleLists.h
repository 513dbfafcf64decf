#pragma once
// Small channel lists written by hand for the tests of the working files.
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

}  // namespace lumoscope::test
