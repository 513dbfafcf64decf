#pragma once
// Reading a whole file into memory in one go; the working files are at most a few
// megabytes, and reading them whole lets every parser work on a plain string.
#include <string>

namespace lumoscope {

// False when the file cannot be opened or read; `contents` is then unspecified.
bool ReadFileContents(const std::string& path, std::string& contents);

}  // namespace lumoscope
