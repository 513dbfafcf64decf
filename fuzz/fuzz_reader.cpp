// Arbitrary bytes as a channel list's text: the check and both compiles must end with
// success or one message, never crash, hang or read past a table.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/SilentReporter.h"
#include "database/Compiler.h"

namespace {

using namespace lumoscope;

class CountingReporter final : public SilentReporter {
 public:
  void MessageBox(const std::string& text, const std::string&) override {
    ++boxes;
    if (text.empty()) __builtin_trap();
  }
  int boxes = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (int pass = 0; pass < 3; ++pass) {
    CountingReporter reporter;
    CompileRequest request;
    request.validateOnly = pass == 0;
    request.normal = pass == 1;
    request.maxSatellites = size % 2 ? 32 : 40;
    request.splitList = size % 3 == 0;
    const CompileResult r = CompileText(text, request, reporter);
    // A failure has told the person why; a success said nothing.
    if (r.ok == (reporter.boxes != 0) || reporter.boxes > 1) __builtin_trap();
    if (r.ok && !request.validateOnly) {
      const std::string hex = ImageToHex(r.image, request.normal);
      if (hex.size() % 60 != 0) __builtin_trap();
    }
  }
  return 0;
}
