#include "tools/receiver-sim/PseudoTerminal.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace lumoscope::sim {
namespace {

// How long one wait for room in the pseudo-terminal's buffer may take.
constexpr int kWriteWaitMs = 50;

}  // namespace

PseudoTerminal::~PseudoTerminal() {
  Close();
}

bool PseudoTerminal::Open() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (master_ < 0) return false;
  if (grantpt(master_) != 0 || unlockpt(master_) != 0 || ptsname(master_) == nullptr) {
    Close();
    return false;
  }
  slavePath_ = ptsname(master_);
  // Open the slave once to make it raw (no echo, no line editing, no CR/LF changes),
  // then close it: from then on a hang-up on the master means "no PC on the line".
  const int slave = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave < 0) {
    Close();
    return false;
  }
  termios t{};
  if (tcgetattr(slave, &t) == 0) {
    cfmakeraw(&t);
    tcsetattr(slave, TCSANOW, &t);
  }
  ::close(slave);
  return true;
}

void PseudoTerminal::Close() {
  if (master_ >= 0) ::close(master_);
  master_ = -1;
}

bool PseudoTerminal::PeerPresent() const {
  pollfd p{master_, POLLIN, 0};
  if (poll(&p, 1, 0) < 0) return false;
  return (p.revents & POLLHUP) == 0;
}

bool PseudoTerminal::ReadAvailable(std::string& out, int waitMs) {
  pollfd p{master_, POLLIN, 0};
  if (waitMs > 0 && poll(&p, 1, waitMs) <= 0) return false;
  // After a hang-up the last bytes the PC wrote may still be on their way; a read
  // fetches them, or fails when there are none.
  char buf[4096];
  const ssize_t r = ::read(master_, buf, sizeof buf);
  if (r <= 0) {
    // Hung up and nothing to read: do not spin.
    if (waitMs > 0 && (p.revents & POLLIN) == 0) usleep(static_cast<useconds_t>(waitMs) * 1000);
    return false;
  }
  out.append(buf, static_cast<size_t>(r));
  return true;
}

bool PseudoTerminal::WriteAll(const uint8_t* data, size_t n) {
  size_t done = 0;
  while (done < n) {
    const ssize_t w = ::write(master_, data + done, n - done);
    if (w > 0) {
      done += static_cast<size_t>(w);
      continue;
    }
    if (w < 0 && errno != EAGAIN && errno != EINTR) return false;
    pollfd p{master_, POLLOUT, 0};
    if (poll(&p, 1, kWriteWaitMs) <= 0) return false;
  }
  return true;
}

}  // namespace lumoscope::sim
