#include "cli/ConsoleReporter.h"

#include <unistd.h>

#include <cstdio>
#include <string>

#include "cli/ProgramOutput.h"

namespace lumoscope {

void ConsoleReporter::MessageBox(const std::string& text, const std::string& /*caption*/) {
  cli::WriteOutput(stderr, text + "\n");
}

Answer ConsoleReporter::AskYesNo(const std::string& /*text*/, const std::string& /*caption*/) {
  return defaultAnswer_ == Answer::Cancel ? Answer::No : defaultAnswer_;
}

Answer ConsoleReporter::AskYesNoCancel(const std::string& /*text*/, const std::string& /*caption*/) {
  return defaultAnswer_;
}

void ConsoleReporter::ShowMessage(const std::string& text) {
  if (text == kClearAllMessage || text == kShowMessageWindow || text == kHideMessageWindow) return;
  cli::WriteOutput(steps_, progressShown_ ? "\n" + text : text);
  progressShown_ = false;
}

void ConsoleReporter::SetProgress(int position, int mode) {
  if (!isatty(fileno(steps_))) return;
  if (mode != kProgressShow) {
    if (progressShown_) std::fputc('\n', steps_);
    progressShown_ = false;
    lastProgress_ = -1;
    std::fflush(steps_);
    return;
  }
  const int pct = position < 0 ? 0 : (position > 100 ? 100 : position);
  if (pct == lastProgress_) return;
  lastProgress_ = pct;
  constexpr int kWidth = 40;
  const int filled = pct * kWidth / 100;
  std::string bar(static_cast<size_t>(filled), '#');
  bar.append(static_cast<size_t>(kWidth - filled), '.');
  std::fprintf(steps_, "\r[%s] %3d%%", bar.c_str(), pct);
  std::fflush(steps_);
  progressShown_ = true;
}

}  // namespace lumoscope
