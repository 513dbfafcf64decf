// Arbitrary bytes as a DVB scan table. Whatever the bytes, the reader ends without a
// crash and within its bounds, and a refusal always says why.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editing/ScanTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string error;
  const auto table =
      lumoscope::ParseScanTable(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz", error);
  if (!table && error.empty()) std::abort();
  if (table && table->entries.size() > lumoscope::kMaxScanTableGroups + size) std::abort();
  return 0;
}
