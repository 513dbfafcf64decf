#include "base/FoldingReporter.h"

#include <algorithm>

namespace lumoscope {
namespace {

// Lines named in the box; the message window lists every one.
constexpr size_t kLinesInBox = 12;

std::string Trimmed(const std::string& text) {
  const auto blank = [](char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; };
  const auto first = std::find_if_not(text.begin(), text.end(), blank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
  return first < last ? std::string(first, last) : std::string();
}

}  // namespace

std::string RepeatSummary(int count, const std::vector<int>& lines) {
  std::string where;
  if (!lines.empty()) {
    where = lines.size() == 1 ? ", for line " : ", for lines ";
    const size_t named = std::min(lines.size(), kLinesInBox);
    for (size_t i = 0; i < named; ++i) {
      if (i > 0) where += i + 1 == named && named == lines.size() ? " and " : ", ";
      where += std::to_string(lines[i]);
    }
    if (named < lines.size()) where += Format(" and %zu more", lines.size() - named);
  }
  return Format("\n\nThis message came %d times%s; the message window lists each one.", count, where.c_str());
}

void FoldingReporter::MessageBox(const std::string& text, const std::string& caption) {
  MessageBoxAtLine(0, text, caption);
}

void FoldingReporter::MessageBoxAtLine(int line, const std::string& text, const std::string& caption) {
  if (depth_ == 0) {
    inner_.MessageBoxAtLine(line, text, caption);
    return;
  }
  Hold(line, text, caption);
}

void FoldingReporter::Hold(int line, const std::string& text, const std::string& caption) {
  if (held_ && held_->text == text && held_->caption == caption) {
    // From the second occurrence on the message window lists them, the first one too.
    if (held_->count == 1) List(held_->lines.empty() ? 0 : held_->lines.front(), text);
    List(line, text);
    ++held_->count;
    if (line > 0) held_->lines.push_back(line);
    return;
  }
  Flush();
  held_ = Held{text, caption, {}, 1};
  if (line > 0) held_->lines.push_back(line);
}

void FoldingReporter::List(int line, const std::string& text) {
  const std::string entry = Trimmed(text);
  inner_.ShowMessage((line > 0 ? Format("Line %d: ", line) : std::string()) + entry + "\r\n");
}

void FoldingReporter::Flush() {
  if (!held_) return;
  const Held held = std::move(*held_);
  held_.reset();
  const std::string text = held.count == 1 ? held.text : held.text + RepeatSummary(held.count, held.lines);
  inner_.MessageBoxAtLine(held.lines.empty() ? 0 : held.lines.front(), text, held.caption);
}

Answer FoldingReporter::AskYesNo(const std::string& text, const std::string& caption) {
  Flush();
  return inner_.AskYesNo(text, caption);
}

Answer FoldingReporter::AskYesNoCancel(const std::string& text, const std::string& caption) {
  Flush();
  return inner_.AskYesNoCancel(text, caption);
}

void FoldingReporter::ShowMessage(const std::string& text) {
  Flush();
  inner_.ShowMessage(text);
}

void FoldingReporter::HideMessageWindow() {
  // A held message belongs to what the window showed: it comes while the window is up.
  Flush();
  inner_.HideMessageWindow();
}

void FoldingReporter::SetProgress(int position, int mode) {
  Flush();
  inner_.SetProgress(position, mode);
}

void FoldingReporter::SetFrameProgress(int position) {
  Flush();
  inner_.SetFrameProgress(position);
}

void FoldingReporter::RepaintStatusBar() {
  Flush();
  inner_.RepaintStatusBar();
}

void FoldingReporter::BeginWait() {
  Flush();
  inner_.BeginWait();
}

void FoldingReporter::EndWait() {
  Flush();
  inner_.EndWait();
}

void FoldingReporter::StatusNote(const std::string& text) {
  Flush();
  inner_.StatusNote(text);
}

void FoldingReporter::BeginOperation() {
  ++depth_;
  inner_.BeginOperation();
}

void FoldingReporter::EndOperation() {
  if (depth_ > 0 && --depth_ == 0) Flush();
  inner_.EndOperation();
}

}  // namespace lumoscope
