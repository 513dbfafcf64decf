#include "transfer/CComm.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include "transfer/SerialOpenFailure.h"

namespace lumoscope {
namespace {

constexpr long kUsPerSecond = 1'000'000;
constexpr long kNsPerUs = 1000;

// Waits for `events` on fd; waitUs < 0 waits without limit. Returns the events seen
// (POLLHUP or POLLERR when the device hung up or failed), 0 when the wait ran out.
short WaitFor(int fd, short events, int64_t waitUs) {
  pollfd p{fd, events, 0};
  timespec ts{};
  timespec* limit = nullptr;
  if (waitUs >= 0) {
    ts.tv_sec = static_cast<time_t>(waitUs / kUsPerSecond);
    ts.tv_nsec = static_cast<long>(waitUs % kUsPerSecond) * kNsPerUs;
    limit = &ts;
  }
  // An interrupted wait counts as run out; the caller re-checks its deadline.
  return ppoll(&p, 1, limit, nullptr) > 0 ? p.revents : 0;
}

constexpr short kDeviceGone = POLLHUP | POLLERR | POLLNVAL;

}  // namespace

std::unique_ptr<CComm> CComm::Open(const std::string& devicePath, IClock& clock, FileFailure& failure,
                                   ITransferCancel* cancel) {
  // Non-blocking so a modem line without carrier cannot hold the open; every wait then
  // goes through poll with the profile's limits.
  const int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    failure = SerialOpenFailure(devicePath, errno);
    return nullptr;
  }
  // Exclusive use: the advisory lock keeps out every program that honours it (and other
  // CComm objects), TIOCEXCL keeps out any later open by an unprivileged program.
  int error = 0;
  if (!isatty(fd)) {
    error = ENOTTY;
  } else if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    error = errno == EWOULDBLOCK ? EBUSY : errno;  // another program holds the lock
  } else if (ioctl(fd, TIOCEXCL) != 0) {
    error = errno;
  }
  if (error != 0) {
    ::close(fd);
    failure = SerialOpenFailure(devicePath, error);
    return nullptr;
  }
  return std::unique_ptr<CComm>(new CComm(fd, clock, cancel));
}

CComm::~CComm() {
  Close();
}

void CComm::Close() {
  if (fd_ < 0) return;
  ioctl(fd_, TIOCNXCL);
  ::close(fd_);  // also drops the lock
  fd_ = -1;
}

bool CComm::SetLine() {
  termios t{};
  if (fd_ < 0 || tcgetattr(fd_, &t) != 0) return false;
  cfmakeraw(&t);  // raw bytes: no end-of-file or other special characters, NUL kept
  t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | ISTRIP | IGNPAR | PARMRK | IGNBRK);
  t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
  t.c_cflag |= CS8 | CREAD | CLOCAL;  // CLOCAL: the modem lines are not watched
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  if (cfsetispeed(&t, B115200) != 0 || cfsetospeed(&t, B115200) != 0) return false;
  if (tcsetattr(fd_, TCSANOW, &t) != 0) return false;
  // DTR and RTS held off; a device without modem lines (a pseudo-terminal) refuses this
  // harmlessly.
  int lines = TIOCM_DTR | TIOCM_RTS;
  ioctl(fd_, TIOCMBIC, &lines);
  return true;
}

void CComm::SetTimeouts(const TimeoutProfile& profile, int64_t firstByteBoundUs) {
  profile_ = profile;
  firstByteBoundUs_ = firstByteBoundUs;
}

void CComm::Purge() {
  if (fd_ >= 0) tcflush(fd_, TCIOFLUSH);
}

size_t CComm::Write(const uint8_t* data, size_t n) {
  if (fd_ < 0 || n == 0) return 0;
  return WriteUnderProfile(*this, *clock_, profile_, data, n, cancel_);
}

size_t CComm::Read(uint8_t* data, size_t n) {
  if (fd_ < 0 || n == 0) return 0;
  return ReadUnderProfile(*this, *clock_, profile_, firstByteBoundUs_, data, n, cancel_);
}

long CComm::WaitRead(uint8_t* data, size_t n, int64_t waitUs) {
  // Bytes already waiting are taken without a poll: reads of a flowing line stay one
  // system call each. A raw terminal read returns 0 (or EAGAIN) when nothing waits.
  for (bool waited = false;; waited = true) {
    const ssize_t r = ::read(fd_, data, n);
    if (r > 0) return static_cast<long>(r);
    if (r < 0 && errno != EAGAIN && errno != EINTR) return -1;
    if (waited) return 0;
    const short seen = WaitFor(fd_, POLLIN, waitUs);
    if (seen == 0) return 0;
    if ((seen & kDeviceGone) && !(seen & POLLIN)) return -1;
  }
}

long CComm::WaitWrite(const uint8_t* data, size_t n, int64_t waitUs) {
  for (bool waited = false;; waited = true) {
    const ssize_t w = ::write(fd_, data, n);
    if (w >= 0) return static_cast<long>(w);
    if (errno != EAGAIN && errno != EINTR) return -1;
    if (waited) return 0;
    const short seen = WaitFor(fd_, POLLOUT, waitUs);
    if (seen == 0) return 0;
    if ((seen & kDeviceGone) && !(seen & POLLOUT)) return -1;
  }
}

}  // namespace lumoscope
