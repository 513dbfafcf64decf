#pragma once
// Reading a whole file into memory in one go; the working files are at most a few
// megabytes, and reading them whole lets every parser work on a plain string. Only
// regular files of at most kMaxInputFileBytes are read (see InputFile.h).
#include <string>

#include "base/FileFailure.h"
#include "base/InputFile.h"

namespace lumoscope {

// False when the file cannot be opened or read; `failure` then says why and `contents`
// is unspecified. `identity`, when given, receives the identity of the version read.
// Files longer than `maxBytes` are refused.
bool ReadInputFile(const std::string& path, std::string& contents, FileFailure& failure,
                   FileIdentity* identity = nullptr, size_t maxBytes = kMaxInputFileBytes);

// The same where the reason is not needed.
bool ReadFileContents(const std::string& path, std::string& contents);

}  // namespace lumoscope
