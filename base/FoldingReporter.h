#pragma once
// A reporter in front of another that shows a message once when one operation raises it
// many times in a row: a list with seven bad service IDs gives one box that says seven
// times and for which lines, not seven boxes to click away. Every occurrence still
// reaches the message window, each with its line, so nothing is lost.
//
// Outside an operation (OperationScope) everything passes straight through. Inside one,
// a message box is held back until anything else reaches the reporter (another message
// box, a question, a step for the message window, progress, the wait pointer) or the
// operation ends; only the same text again meanwhile is folded into it. So a message
// still comes before whatever the operation does next (a download after its compile's
// box waits for the person's OK, as before).
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
  void ShowMessage(const std::string& text) override;
  void HideMessageWindow() override;
  void SetProgress(int position, int mode) override;
  void SetFrameProgress(int position) override;
  void RepaintStatusBar() override;
  void BeginWait() override;
  void EndWait() override;
  void StatusNote(const std::string& text) override;
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
