// Lumoscope Lite: the desktop editor for the receiver's channel list.
// Usage: lumoscope [LIST.txt]   (the list is opened at start)
#include <QApplication>
#include <QFile>
#include <filesystem>
#include <system_error>

#include "transfer/Upload.h"
#include "ui/AppIcon.h"
#include "ui/AppInfo.h"
#include "ui/LumoscopeWindow.h"
#include "ui/QtSettingsStore.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QString::fromLatin1(lumoscope::ui::kOrganisation));
  QApplication::setApplicationName(QString::fromLatin1(lumoscope::ui::kApplication));
  QApplication::setWindowIcon(lumoscope::ui::AppIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("lumoscope"));

  lumoscope::ui::QtSettingsStore settings;
  lumoscope::ui::LumoscopeWindow window(settings, lumoscope::UploadFilePath());
  window.Frame().showMaximized();

  const QStringList args = QApplication::arguments();
  if (args.size() > 1) {
    // The window is drawn first, so a message about a bad list has a window behind it.
    QApplication::processEvents();
    const std::string given = QFile::encodeName(args.at(1)).toStdString();
    std::error_code ec;
    const auto path = std::filesystem::absolute(given, ec);
    window.OpenFile(ec ? given : path.string());
  }
  return QApplication::exec();
}
