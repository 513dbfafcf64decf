#pragma once
// Writing a whole buffer to an open file. One write call may take only part of it (a
// signal, a pipe, a file near the disk's or the process's size limit); the rest is
// written again until all is out or the system refuses.
#include <string_view>

namespace lumoscope {

// Writes all of `bytes` at the descriptor's position. Returns 0, or the errno of the
// failure (EIO when the system took nothing without saying why).
int WriteAll(int fd, std::string_view bytes);

}  // namespace lumoscope
