#include "ui/QtChannelDialogs.h"

#include "ui/AnalogChannelDialog.h"
#include "ui/DigitalChannelDialog.h"

namespace lumoscope::ui {

bool QtChannelDialogs::RunDigital(DigitalChannelForm& form, const ChannelDialogSetup& setup) {
  DigitalChannelDialog dialog(form, setup, reporter_, parent_);
  if (dialog.exec() != QDialog::Accepted) return false;
  form = dialog.Form();
  return true;
}

bool QtChannelDialogs::RunAnalog(AnalogChannelForm& form, const ChannelDialogSetup& setup) {
  AnalogChannelDialog dialog(form, setup, reporter_, parent_);
  if (dialog.exec() != QDialog::Accepted) return false;
  form = dialog.Form();
  return true;
}

}  // namespace lumoscope::ui
