#pragma once
// Generated channel lists shared by the tests and the benchmarks.
#include <string>

namespace lumoscope::listgen {

// A small valid list in the program's own section order (placeholder until the
// generators land).
std::string SmallList();

}  // namespace lumoscope::listgen
