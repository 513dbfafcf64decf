#pragma once
// A reporter that tells nobody anything: for work whose faults are reported again by a
// later step, and for benchmarks and fuzzing, where nobody is there to read. Fuzz targets
// derive from it to count or check what would have been shown.
#include "base/Reporter.h"

namespace lumoscope {

class SilentReporter : public IReporter {
 public:
  void MessageBox(const std::string&, const std::string& = {}) override {}
  Answer AskYesNo(const std::string&, const std::string&) override { return Answer::No; }
  Answer AskYesNoCancel(const std::string&, const std::string&) override { return Answer::Cancel; }
  void ShowMessage(const std::string&) override {}
  void HideMessageWindow() override {}
  void SetProgress(int, int) override {}
  void SetFrameProgress(int) override {}
};

}  // namespace lumoscope
