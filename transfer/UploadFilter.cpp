#include "transfer/UploadFilter.h"

#include <array>

#include "base/Sections.h"

namespace lumoscope {
namespace {

constexpr char kBar = '|';
// The end block that takes the place of the prompt line of a listing that ended on the
// prompt.
constexpr std::string_view kEndBlock = " \r\n[END]\r\n\r\n";

// Reads the raw listing byte by byte. A read at the end yields nothing and leaves the
// last byte read in place, which the tail rule relies on.
class RawReader {
 public:
  explicit RawReader(std::string_view raw) : raw_(raw) {}
  bool AtEnd() const { return pos_ >= raw_.size(); }
  char Next() {
    if (!AtEnd()) last_ = raw_[pos_++];
    return last_;
  }

 private:
  std::string_view raw_;
  size_t pos_ = 0;
  char last_ = '\0';
};

class FilteredWriter {
 public:
  void Put(char c) { text_.push_back(c == '\0' ? ' ' : c); }
  // Drops what follows the last line end: the line the receiver's prompt is on.
  void DropLastOpenLine() {
    const size_t lineEnd = text_.rfind('\n');
    text_.resize(lineEnd == std::string::npos ? 0 : lineEnd + 1);
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

}  // namespace

std::string FilterUploadText(std::string_view raw) {
  RawReader in(raw);
  FilteredWriter out;
  bool copying = false;
  while (!in.AtEnd()) {
    if (!copying) {
      if (in.Next() == kBar && in.Next() == kBar) copying = true;
      continue;
    }
    const char c = in.Next();
    out.Put(c);
    if (c == '\r') {
      const char next = in.Next();
      out.Put(next);
      if (next == '\n') copying = false;
    }
  }
  const char last = in.Next();
  if (last == kConsolePrompt) {
    out.DropLastOpenLine();
    for (char c : kEndBlock) out.Put(c);
  } else {
    out.Put(last);
  }
  return out.Take();
}

bool HasEverySection(std::string_view filtered) {
  std::array<bool, kSectionCount> seen{};
  for (size_t start = 0; start < filtered.size();) {
    size_t end = filtered.find('\n', start);
    if (end == std::string_view::npos) end = filtered.size();
    if (const std::optional<Section> section = SectionOfHeader(filtered.substr(start, end - start)))
      seen[SectionIndex(*section)] = true;
    start = end + 1;
  }
  for (const bool s : seen)
    if (!s) return false;
  return true;
}

}  // namespace lumoscope
