// Lumoscope Lite: the desktop editor for the receiver's channel list.
// Usage: lumoscope [LIST.txt]   (the list is opened at start)
#include <QApplication>
#include <QFile>
#include <filesystem>
#include <system_error>

#include "ui/AppIcon.h"
#include "ui/AppInfo.h"
#include "ui/MainFrame.h"
#include "ui/QtSettingsStore.h"

namespace {

// The fixed file the receiver's list is uploaded into, in the machine's temporary folder.
std::string UploadFile() {
  std::error_code ec;
  std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
  if (ec) temp = "/tmp";
  return (temp / "VXRupload.txt").string();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QString::fromLatin1(lumoscope::ui::kOrganisation));
  QApplication::setApplicationName(QString::fromLatin1(lumoscope::ui::kApplication));
  QApplication::setWindowIcon(lumoscope::ui::AppIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("lumoscope"));

  lumoscope::ui::QtSettingsStore settings;
  lumoscope::ui::CMainFrame frame(settings, UploadFile());
  frame.showMaximized();

  const QStringList args = QApplication::arguments();
  if (args.size() > 1) {
    frame.show();
    QApplication::processEvents();
    std::error_code ec;
    const auto path = std::filesystem::absolute(QFile::encodeName(args.at(1)).toStdString(), ec);
    frame.Document().OpenFile(ec ? QFile::encodeName(args.at(1)).toStdString() : path.string());
    frame.UpdateCommandStates();
  }
  return QApplication::exec();
}
