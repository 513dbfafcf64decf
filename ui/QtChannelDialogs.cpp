#include "ui/QtChannelDialogs.h"

#include "ui/AnalogChannelDialog.h"
#include "ui/DigitalChannelDialog.h"

namespace lumoscope::ui {

bool QtChannelDialogs::RunDigital(DigitalChannelForm& form, const std::vector<std::string>& satelliteLines) {
  DigitalChannelDialog dialog(form, satelliteLines, reporter_, parent_);
  if (dialog.exec() != QDialog::Accepted) return false;
  form = dialog.Form();
  return true;
}

bool QtChannelDialogs::RunAnalog(AnalogChannelForm& form, const std::vector<std::string>& satelliteLines) {
  AnalogChannelDialog dialog(form, satelliteLines, reporter_, parent_);
  if (dialog.exec() != QDialog::Accepted) return false;
  form = dialog.Form();
  return true;
}

}  // namespace lumoscope::ui
