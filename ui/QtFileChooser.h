#pragma once
// The document's file dialogs. When a command gives no folder to start in, the dialog
// starts in the folder of the last opened list ("RecentFolderPath"), else in the home
// folder.
#include <QWidget>

#include "shell/FileChooser.h"
#include "shell/SettingsStore.h"

namespace lumoscope::ui {

class QtFileChooser final : public IFileChooser {
 public:
  QtFileChooser(ISettingsStore& settings, QWidget* parent) : settings_(settings), parent_(parent) {}

  std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter,
                                            const std::string& initialFolder) override;
  std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                            const std::string& initialFolder) override;

  // "VXR Formatted Text File(*.TXT)|*.txt||" as the dialog's name filters, each
  // pattern in both letter cases: "VXR Formatted Text File (*.txt *.TXT)".
  static QStringList NameFilters(const std::string& filter);

 private:
  QString StartFolder(const std::string& initialFolder) const;

  ISettingsStore& settings_;
  QWidget* parent_;
};

}  // namespace lumoscope::ui
