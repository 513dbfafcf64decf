#include "cli/ProgramOutput.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

#include "base/Interruption.h"
#include "base/Reporter.h"
#include "cli/Commands.h"

namespace lumoscope::cli {

namespace {

// The reason of the first failed write to standard output, and whether standard error failed.
int g_outputError = 0;
bool g_errorStreamFailed = false;

void Remember(std::FILE* stream, int error) {
  if (stream == stderr) {
    g_errorStreamFailed = true;
  } else if (g_outputError == 0) {
    g_outputError = error != 0 ? error : EIO;
  }
}

// Flushes `stream`; false when it failed now or before.
bool Flushed(std::FILE* stream) {
  errno = 0;
  if (std::fflush(stream) != 0 || std::ferror(stream)) {
    Remember(stream, errno);
    return false;
  }
  return true;
}

}  // namespace

void WriteOutput(std::FILE* stream, std::string_view text) {
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stream) != text.size()) Remember(stream, errno);
  Flushed(stream);
}

int ExitCodeAtEnd(int code) {
  // What the argument parser printed (help, usage) goes through the C++ streams.
  std::cout.flush();
  std::cerr.flush();
  if (!std::cout) Remember(stdout, EIO);
  if (!std::cerr) Remember(stderr, EIO);
  const bool outputWritten = Flushed(stdout);
  const bool errorsWritten = Flushed(stderr) && !g_errorStreamFailed;
  if (!outputWritten && errorsWritten) {
    const std::string message = Format(kOutputFailed, std::strerror(g_outputError)) + "\n";
    std::fwrite(message.data(), 1, message.size(), stderr);
    std::fflush(stderr);
  }
  if (const int signal = Interruption(); signal != 0) return 128 + signal;
  if (!outputWritten || !errorsWritten) return kExitUsage;
  return code;
}

}  // namespace lumoscope::cli
