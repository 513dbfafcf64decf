#pragma once
// Why the device behind a port could not be taken, for the line under "Serial Port Open
// FAILED!!!": the device path, the system's reason and, for the common cases on Linux,
// what the person can do about it.
#include <string>

#include "base/FileFailure.h"

namespace lumoscope {

// `error` is the errno of the failed open (EBUSY also for a device another program has
// locked, ENOTTY for a file that is no terminal).
FileFailure SerialOpenFailure(const std::string& devicePath, int error);

}  // namespace lumoscope
