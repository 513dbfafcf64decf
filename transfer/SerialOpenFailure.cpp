#include "transfer/SerialOpenFailure.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

#include "base/Reporter.h"

namespace lumoscope {

namespace {

// Serial devices of most Linux systems belong to this group, readable and writable by it.
constexpr const char* kUsualSerialGroup = "dialout";
constexpr gid_t kRootGroup = 0;

// The group that may read and write the device, when its permissions give it that.
std::optional<std::string> DeviceGroup(const std::string& devicePath) {
  struct stat st;
  if (stat(devicePath.c_str(), &st) != 0) return std::nullopt;
  if ((st.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP) || st.st_gid == kRootGroup)
    return std::nullopt;
  long size = sysconf(_SC_GETGR_R_SIZE_MAX);
  std::vector<char> buffer(static_cast<size_t>(size > 0 ? size : 16384));
  group entry{};
  group* found = nullptr;
  if (getgrgid_r(st.st_gid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr)
    return std::nullopt;
  return std::string(found->gr_name);
}

std::string PermissionHint(const std::string& devicePath) {
  const std::optional<std::string> group = DeviceGroup(devicePath);
  const std::string name = group.value_or(kUsualSerialGroup);
  const std::string join =
      Format("join it with \"sudo usermod -aG %s $USER\", then log in again.", name.c_str());
  if (group) return Format("The device belongs to the group \"%s\": ", name.c_str()) + join;
  return Format("Serial devices usually belong to the group \"%s\": ", name.c_str()) + join;
}

}  // namespace

FileFailure SerialOpenFailure(const std::string& devicePath, int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return {devicePath, std::string(std::strerror(error)) + ". " + PermissionHint(devicePath)};
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return {devicePath,
              std::string(std::strerror(error)) +
                  ". Check the receiver's cable or USB adapter, and the device chosen for the port."};
    case EBUSY:
      return {devicePath, std::string(std::strerror(EBUSY)) +
                              ". Another program is using it: close that program, or choose another port."};
    case ENOTTY:
      return {devicePath, "Is not a serial device (not a terminal). Choose the receiver's serial device."};
    default:
      return FailureFromErrno(devicePath, error);
  }
}

}  // namespace lumoscope
