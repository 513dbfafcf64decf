#include "base/Interruption.h"

#include <signal.h>

namespace lumoscope {

namespace {

volatile sig_atomic_t g_interruption = 0;

void Note(int signal) {
  g_interruption = signal;
}

}  // namespace

void CatchInterruptions() {
  struct sigaction action {};
  action.sa_handler = Note;
  sigemptyset(&action.sa_mask);
  // Reads and waits go on; the command looks at the note between its steps.
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

int Interruption() {
  return g_interruption;
}

}  // namespace lumoscope
