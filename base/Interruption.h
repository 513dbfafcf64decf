#pragma once
// Ctrl+C (SIGINT) and SIGTERM while the command line writes. Killed at once, a command
// could stop between two steps that belong together (a list half replaced, one image of
// two in place). Once CatchInterruptions() ran, the signal is only noted: the command
// ends through the path a failure takes (temporary files removed, nothing put in
// place, a transfer stopped as a cancelled one), and the program then exits.
namespace lumoscope {

// Why a file was not put in place after an interruption.
inline constexpr const char* kInterruptedReason =
    "Interrupted before the file was put in place; it was not changed";

// Notes SIGINT and SIGTERM from now on instead of ending the process at once.
void CatchInterruptions();

// The signal noted (SIGINT or SIGTERM), or 0 while there was none.
int Interruption();

}  // namespace lumoscope
