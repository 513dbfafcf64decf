#pragma once
// The command line's reporter: message-box texts go to stderr exactly, one block per
// message; message-window texts go to stdout; questions take a fixed answer.
#include <cstdio>

#include "base/Reporter.h"

namespace lumoscope {

class ConsoleReporter final : public IReporter {
 public:
  explicit ConsoleReporter(Answer defaultAnswer = Answer::No) : defaultAnswer_(defaultAnswer) {}

  void MessageBox(const std::string& text, const std::string& caption = {}) override;
  Answer AskYesNo(const std::string& text, const std::string& caption) override;
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;
  void ShowMessage(const std::string& text) override;
  void HideMessageWindow() override {}
  void SetProgress(int position, int mode) override;
  void SetFrameProgress(int /*position*/) override {}

 private:
  Answer defaultAnswer_;
  bool progressShown_ = false;
  int lastProgress_ = -1;
};

}  // namespace lumoscope
