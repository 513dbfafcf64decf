// The filter of the receiver's console listing on arbitrary bytes: it must not read or
// write out of bounds, and the end block never lands before the start.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "transfer/UploadFilter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view raw(reinterpret_cast<const char*>(data), size);
  const std::string filtered = lumoscope::FilterUploadText(raw);
  // Every byte kept comes from the listing, plus the repeated last byte or the end block.
  if (filtered.size() > size + 12) std::abort();
  return 0;
}
