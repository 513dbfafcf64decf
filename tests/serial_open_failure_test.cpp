// A serial device that cannot be taken: the defined message stays as it is, and a second
// line names the device and says why, with what to do about it. The device nodes are
// real: a pseudo-terminal's node that its group alone may use, opened by somebody outside
// that group, and a path where there is no device.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "tests/support/RecordingReporter.h"
#include "tests/support/TempDir.h"
#include "transfer/PortSelection.h"
#include "transfer/PosixLinkFactory.h"

namespace lumoscope {
namespace {

using testing::HasSubstr;
using testing::StartsWith;

constexpr uid_t kNobody = 65534;

// Root may open any device whatever its mode, so as root the open runs under the
// unprivileged user "nobody" (the effective user only, given back at the end of the
// scope). Anybody else is the node's owner and is kept out by the mode itself.
class OutsiderOfTheDevice {
 public:
  OutsiderOfTheDevice() : root_(geteuid() == 0) {
    if (root_) changed_ = seteuid(kNobody) == 0;
  }
  ~OutsiderOfTheDevice() {
    if (changed_) (void)seteuid(0);
  }
  OutsiderOfTheDevice(const OutsiderOfTheDevice&) = delete;
  OutsiderOfTheDevice& operator=(const OutsiderOfTheDevice&) = delete;

  bool Ready() const { return !root_ || changed_; }

 private:
  bool root_;
  bool changed_ = false;
};

// The group a serial device of this system would have.
gid_t SerialGroup() {
  for (const char* name : {"dialout", "nogroup"})
    if (const group* g = getgrnam(name)) return g->gr_gid;
  return kNobody;
}

class SerialOpenFailureTest : public testing::Test {
 protected:
  std::unique_ptr<ISerialPort> Open(const std::string& device) {
    options.devicePaths[0] = device;
    reporter.Clear();
    return OpenReceiverPort(factory, options, reporter);
  }

  // The one message box: the defined message, then "device: reason".
  void ExpectTwoLines(const std::string& device, const std::string& reason) {
    ASSERT_EQ(reporter.boxes.size(), 1u);
    const std::string& box = reporter.boxes[0];
    EXPECT_THAT(box, StartsWith(std::string(kPortOpenFailedMessage) + "\n" + device + ": " + reason));
    EXPECT_EQ(std::count(box.begin(), box.end(), '\n'), 1) << box;
  }

  test::RecordingReporter reporter;
  AppOptions options;
  PosixLinkFactory factory;
};

TEST_F(SerialOpenFailureTest, DeviceThatMayNotBeOpenedNamesItsGroupAndHowToJoinIt) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(grantpt(master), 0);
  ASSERT_EQ(unlockpt(master), 0);
  const std::string device = ptsname(master);
  // Readable and writable by its group only, as serial devices are.
  if (geteuid() == 0) {
    ASSERT_EQ(chown(device.c_str(), static_cast<uid_t>(-1), SerialGroup()), 0);
  }
  ASSERT_EQ(chmod(device.c_str(), 0060), 0);
  struct stat st {};
  ASSERT_EQ(stat(device.c_str(), &st), 0);
  const group* owners = getgrgid(st.st_gid);
  ASSERT_NE(owners, nullptr);
  ASSERT_NE(st.st_gid, 0u) << "the node's group must not be root's for this test";
  const std::string groupName = owners->gr_name;

  {
    OutsiderOfTheDevice outsider;
    ASSERT_TRUE(outsider.Ready());
    EXPECT_EQ(Open(device), nullptr);
  }
  ExpectTwoLines(device, "Permission denied. The device belongs to the group \"" + groupName + "\"");
  EXPECT_THAT(reporter.boxes[0], HasSubstr("sudo usermod -aG " + groupName + " $USER"));
  close(master);
}

TEST_F(SerialOpenFailureTest, MissingDeviceSendsThePersonToTheCableAndTheOptions) {
  test::TempDir dir;
  const std::string device = dir.File("ttyUSB7");
  EXPECT_EQ(Open(device), nullptr);
  ExpectTwoLines(device, "No such file or directory. Check the receiver's cable or USB adapter");
}

}  // namespace
}  // namespace lumoscope
