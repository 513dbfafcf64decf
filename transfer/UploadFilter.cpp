#include "transfer/UploadFilter.h"

#include <algorithm>

namespace lumoscope {
namespace {

constexpr char kBar = '|';
// The end block written over the tail of a listing that ended on the prompt, and how far
// back it goes: it replaces the receiver's last status line.
constexpr std::string_view kEndBlock = " \r\n[END]\r\n\r\n";
constexpr size_t kEndBlockMoveBack = 18;

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
  void Put(char c) {
    const char out = c == '\0' ? ' ' : c;
    if (pos_ < text_.size()) {
      text_[pos_] = out;
    } else {
      text_.push_back(out);
    }
    ++pos_;
  }
  void MoveBack(size_t n) { pos_ -= std::min(n, pos_); }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
  size_t pos_ = 0;
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
    out.MoveBack(kEndBlockMoveBack);
    for (char c : kEndBlock) out.Put(c);
  } else {
    out.Put(last);
  }
  return out.Take();
}

}  // namespace lumoscope
