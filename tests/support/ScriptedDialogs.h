#pragma once
// Channel dialogs scripted by a test: each run records the form and the satellite lines it
// was shown, and a function stands for what the person types (none: Cancel).
#include <functional>
#include <string>
#include <vector>

#include "editing/ChannelForms.h"

namespace lumoscope::test {

class ScriptedDialogs : public IChannelDialogs {
 public:
  std::function<bool(DigitalChannelForm&)> digital;
  std::function<bool(AnalogChannelForm&)> analog;
  DigitalChannelForm shownDigital;
  AnalogChannelForm shownAnalog;
  std::vector<std::string> shownLines;
  DialogPurpose shownPurpose = DialogPurpose::New;
  int runs = 0;

  bool RunDigital(DigitalChannelForm& form, const ChannelDialogSetup& setup) override {
    Shown(setup);
    shownDigital = form;
    return digital ? digital(form) : false;
  }
  bool RunAnalog(AnalogChannelForm& form, const ChannelDialogSetup& setup) override {
    Shown(setup);
    shownAnalog = form;
    return analog ? analog(form) : false;
  }

 private:
  void Shown(const ChannelDialogSetup& setup) {
    ++runs;
    shownLines = setup.satelliteLines;
    shownPurpose = setup.purpose;
  }
};

}  // namespace lumoscope::test
