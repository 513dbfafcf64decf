#include "ui/QtFileChooser.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>
#include <QStandardPaths>

#include "shell/FileFilter.h"
#include "shell/SettingsKeys.h"

namespace lumoscope::ui {
namespace {

// The extension a name typed without one gets: the selected filter's ("txt" for lists).
QString SuffixOf(const std::vector<FileFilterEntry>& entries, qsizetype index) {
  if (index < 0 || index >= static_cast<qsizetype>(entries.size())) return {};
  const std::string& pattern = entries[static_cast<size_t>(index)].pattern;
  return pattern.starts_with("*.") && pattern.size() > 2 ? QString::fromStdString(pattern.substr(2))
                                                         : QString();
}

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
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
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
  const QStringList names = NameFilters(filter);
  const std::vector<FileFilterEntry> entries = ParseFileFilter(filter);
  dialog.setNameFilters(names);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(SuffixOf(entries, 0));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& name) {
    dialog.setDefaultSuffix(SuffixOf(entries, names.indexOf(name)));
  });
  return RunDialog(dialog);
}

}  // namespace lumoscope::ui
