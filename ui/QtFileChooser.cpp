#include "ui/QtFileChooser.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>

#include "shell/FileFilter.h"
#include "shell/SettingsKeys.h"

namespace lumoscope::ui {
namespace {

// The extension new lists get when the person types a name without one.
constexpr const char* kListSuffix = "txt";

std::optional<std::string> RunDialog(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

}  // namespace

QStringList QtFileChooser::NameFilters(const std::string& filter) {
  QStringList out;
  for (const FileFilterEntry& e : ParseFileFilter(filter)) {
    // The description carries its own "(*.TXT)"; the dialog would take that as the
    // pattern, so it is replaced by the real pattern in both cases.
    QString description = QString::fromStdString(e.description);
    description.remove(QRegularExpression(QStringLiteral("\\s*\\([^)]*\\)\\s*$")));
    const QString pattern = QString::fromStdString(e.pattern);
    out << QStringLiteral("%1 (%2 %3)").arg(description, pattern.toLower(), pattern.toUpper());
  }
  return out;
}

QString QtFileChooser::StartFolder(const std::string& initialFolder) const {
  if (!initialFolder.empty()) return QFile::decodeName(initialFolder.c_str());
  const std::string recent =
      settings_.GetString(settings::kListSection, settings::kRecentFolderKey, settings::kRecentFolderDefault);
  if (recent != settings::kRecentFolderDefault && QDir(QFile::decodeName(recent.c_str())).exists())
    return QFile::decodeName(recent.c_str());
  return QDir::homePath();
}

std::optional<std::string> QtFileChooser::ChooseOpenFile(const std::string& title, const std::string& filter,
                                                         const std::string& initialFolder) {
  QFileDialog dialog(parent_, QString::fromStdString(title), StartFolder(initialFolder));
  dialog.setNameFilters(NameFilters(filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return RunDialog(dialog);
}

std::optional<std::string> QtFileChooser::ChooseSaveFile(const std::string& title, const std::string& filter,
                                                         const std::string& initialFolder) {
  QFileDialog dialog(parent_, QString::fromStdString(title), StartFolder(initialFolder));
  dialog.setNameFilters(NameFilters(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QString::fromLatin1(kListSuffix));
  return RunDialog(dialog);
}

}  // namespace lumoscope::ui
