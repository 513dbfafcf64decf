#pragma once
// What the command line writes to its standard output and standard error is checked: a
// report that did not reach its reader (a full disk, a closed pipe, /dev/full) is a
// failure, not a success with nothing said.
#include <cstdio>
#include <string_view>

namespace lumoscope::cli {

inline constexpr const char* kOutputFailed = "The report could not be written to the standard output: %s";

// Writes `text` to `stream` and flushes it; a failure is remembered for ExitCodeAtEnd.
void WriteOutput(std::FILE* stream, std::string_view text);

// The exit code the program ends with once its command returned `code`: 128 + the
// signal after Ctrl+C or SIGTERM; kExitUsage when the standard output or standard error
// could not be written (said on standard error when that still works); else `code`.
int ExitCodeAtEnd(int code);

}  // namespace lumoscope::cli
