// Feeds arbitrary text to the working-list loader. Whatever it accepts must keep the
// list's marker structure, and the writer must turn it into a text that loads back with
// every string, so no save ever loses a record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Reporter.h"
#include "transfer/SectionLayout.h"
#include "transfer/SectionListFormatter.h"
#include "transfer/SectionListParser.h"

namespace {

class NullReporter final : public lumoscope::IReporter {
 public:
  void MessageBox(const std::string&, const std::string&) override {}
  lumoscope::Answer AskYesNo(const std::string&, const std::string&) override {
    return lumoscope::Answer::No;
  }
  lumoscope::Answer AskYesNoCancel(const std::string&, const std::string&) override {
    return lumoscope::Answer::Cancel;
  }
  void ShowMessage(const std::string&) override {}
  void HideMessageWindow() override {}
  void SetProgress(int, int) override {}
  void SetFrameProgress(int) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  NullReporter reporter;
  std::vector<std::string> list;
  bool resave = false;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!lumoscope::ParseSectionList(text, reporter, list, resave)) return 0;
  // Each section's markers enclose whole records, and each section appears once.
  for (const lumoscope::SectionLayout& layout : lumoscope::kSectionLayouts) {
    size_t start = list.size();
    for (size_t i = 0; i < list.size(); ++i) {
      if (list[i] != layout.startMarker) continue;
      if (start != list.size()) std::abort();
      start = i;
    }
    if (start == list.size()) continue;
    size_t end = start + 1;
    while (end < list.size() && !lumoscope::IsSectionMarker(list[end])) ++end;
    if (end < list.size() && list[end] != layout.endMarker) std::abort();
    if (end < list.size() && (end - start - 1) % layout.fieldCount != 0) std::abort();
  }
  // What the writer makes of it reads back with as many strings.
  const std::string written = lumoscope::FormatSectionList(list);
  std::vector<std::string> again;
  if (!lumoscope::ParseSectionList(written, reporter, again, resave)) std::abort();
  if (again.size() != list.size()) std::abort();
  return 0;
}
