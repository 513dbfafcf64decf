#pragma once
// The command line's reporter: message-box texts go to stderr exactly, one block per
// message; message-window texts and the progress go to stdout, or to stderr for a command
// whose standard output carries a report of its own; questions take a fixed answer.
#include <cstdio>

#include "base/Reporter.h"

namespace lumoscope {

class ConsoleReporter final : public IReporter {
 public:
  explicit ConsoleReporter(Answer defaultAnswer = Answer::No, std::FILE* steps = stdout)
      : defaultAnswer_(defaultAnswer), steps_(steps) {}

  void MessageBox(const std::string& text, const std::string& caption = {}) override;
  Answer AskYesNo(const std::string& text, const std::string& caption) override;
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;
  void ShowMessage(const std::string& text) override;
  void HideMessageWindow() override {}
  void SetProgress(int position, int mode) override;
  void SetFrameProgress(int /*position*/) override {}

 private:
  Answer defaultAnswer_;
  std::FILE* steps_;
  bool progressShown_ = false;
  int lastProgress_ = -1;
};

}  // namespace lumoscope
