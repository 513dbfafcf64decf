#pragma once
// A reporter in front of another that shows a message once when one operation raises it
// many times in a row: a list with seven bad service IDs gives one box that says seven
// times and for which lines, not seven boxes to click away. Every occurrence still
// reaches the message window, each with its line, so nothing is lost.
//
// Outside an operation (OperationScope) everything passes straight through. Inside one,
// a message box is held back until something else reaches the person: another message
// box, a question, the message window being hidden, or the end of the operation. While
// it is held, the same text again only counts.
#include <optional>
#include <string>
#include <vector>

#include "base/Reporter.h"

namespace lumoscope {

class FoldingReporter final : public IReporter {
 public:
  explicit FoldingReporter(IReporter& inner) : inner_(inner) {}

  void MessageBox(const std::string& text, const std::string& caption = {}) override;
  void MessageBoxAtLine(int line, const std::string& text, const std::string& caption = {}) override;
  Answer AskYesNo(const std::string& text, const std::string& caption) override;
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;
  void ShowMessage(const std::string& text) override { inner_.ShowMessage(text); }
  void HideMessageWindow() override;
  void SetProgress(int position, int mode) override { inner_.SetProgress(position, mode); }
  void SetFrameProgress(int position) override { inner_.SetFrameProgress(position); }
  void RepaintStatusBar() override { inner_.RepaintStatusBar(); }
  void BeginWait() override { inner_.BeginWait(); }
  void EndWait() override { inner_.EndWait(); }
  void StatusNote(const std::string& text) override { inner_.StatusNote(text); }
  void BeginOperation() override;
  void EndOperation() override;

  // Shows the held message now.
  void Flush();

 private:
  struct Held {
    std::string text;
    std::string caption;
    std::vector<int> lines;  // the lines of the occurrences that named one
    int count = 0;
  };
  void Hold(int line, const std::string& text, const std::string& caption);
  // One occurrence, into the message window.
  void List(int line, const std::string& text);

  IReporter& inner_;
  int depth_ = 0;
  std::optional<Held> held_;
};

// The text a message shown once for `count` occurrences carries after its own: how often
// it came and for which lines (as many as fit in a box; the message window has all).
std::string RepeatSummary(int count, const std::vector<int>& lines);

}  // namespace lumoscope
