// Feeds arbitrary text to the working-list loader. Whatever it accepts must keep the
// list's marker structure, and the writer must turn it into a text that loads back with
// every string, so no save ever loses a record.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/Reporter.h"
#include "base/Sections.h"
#include "base/SilentReporter.h"
#include "transfer/SectionListFormatter.h"
#include "transfer/SectionListParser.h"

namespace {

bool HasRecordWithoutAlnum(const std::vector<std::string>& list) {
  size_t count = 0;
  bool alnum = false;
  size_t fields = 0;
  for (const std::string& s : list) {
    if (lumoscope::IsSectionMarker(s)) {
      for (const lumoscope::SectionFormat& l : lumoscope::kSectionFormats)
        if (s == l.startMarker) fields = l.fieldCount;
      count = 0;
      alnum = false;
      continue;
    }
    for (char c : s) alnum = alnum || std::isalnum(static_cast<unsigned char>(c));
    if (++count == fields) {
      if (!alnum) return true;
      count = 0;
      alnum = false;
    }
  }
  return count > 0 && !alnum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lumoscope::SilentReporter reporter;
  std::vector<std::string> list;
  bool resave = false;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!lumoscope::ParseSectionList(text, reporter, list, resave)) return 0;
  // Each section's markers enclose whole records, and each section appears once.
  for (const lumoscope::SectionFormat& layout : lumoscope::kSectionFormats) {
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
  // What the writer makes of it reads back with as many field strings (sections the
  // file lacked come back as empty sections). A record without any letter or digit in
  // its fields reads back as a comment; the compiler's check, which runs before every
  // load, never lets such a record through (every section has a numeric or keyword
  // field), so it is left out here.
  if (HasRecordWithoutAlnum(list)) return 0;
  const auto fieldCount = [](const std::vector<std::string>& l) {
    size_t n = 0;
    for (const std::string& s : l) n += !lumoscope::IsSectionMarker(s);
    return n;
  };
  const std::string written = lumoscope::FormatSectionList(list);
  std::vector<std::string> again;
  if (!lumoscope::ParseSectionList(written, reporter, again, resave)) std::abort();
  if (fieldCount(again) != fieldCount(list)) std::abort();
  return 0;
}
