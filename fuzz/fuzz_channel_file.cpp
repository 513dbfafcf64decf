// Arbitrary bytes as the channel file of a satellite scan (dvbv5, VDR, zap): every bound
// holds, a refusal always says why, and every service read keeps to the ranges the import
// relies on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editing/ChannelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string error;
  const auto file =
      lumoscope::ParseChannelFile(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz", error);
  if (!file) {
    if (error.empty()) std::abort();
    return 0;
  }
  if (file->services.empty() || file->services.size() > lumoscope::kMaxChannelFileServices) std::abort();
  for (const lumoscope::ScannedService& s : file->services) {
    if (s.name.size() > lumoscope::kMaxServiceNameBytes || s.serviceId > UINT16_MAX ||
        s.videoPid > lumoscope::kMaxPid || s.audioPid > lumoscope::kMaxPid || s.pcrPid > lumoscope::kMaxPid ||
        s.line < 1)
      std::abort();
  }
  return 0;
}
