#pragma once
// The channel dialogs as the new-channel logic asks for them: each run shows the modal
// Qt dialog and hands back what was entered.
#include "editing/ChannelForms.h"

class QWidget;

namespace lumoscope {
class IReporter;
}

namespace lumoscope::ui {

class QtChannelDialogs : public IChannelDialogs {
 public:
  // `reporter` shows the dialogs' own refusals; `parent` owns the dialogs on screen.
  QtChannelDialogs(IReporter& reporter, QWidget* parent) : reporter_(reporter), parent_(parent) {}

  bool RunDigital(DigitalChannelForm& form, const ChannelDialogSetup& setup) override;
  bool RunAnalog(AnalogChannelForm& form, const ChannelDialogSetup& setup) override;

 private:
  IReporter& reporter_;
  QWidget* parent_;
};

}  // namespace lumoscope::ui
