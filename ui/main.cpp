// Lumoscope Lite: the desktop editor for the receiver's channel list.
// Usage: lumoscope [LIST.txt]   (the list is opened at start)
#include <QApplication>
#include <QFile>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "lumoscope/Version.h"
#include "transfer/Upload.h"
#include "ui/AppIcon.h"
#include "ui/AppInfo.h"
#include "ui/MainWindowWiring.h"
#include "ui/QtSettingsStore.h"

namespace {

constexpr const char* kUsage =
    "usage: lumoscope [LIST.txt]\n"
    "Opens the channel list editor's window, with LIST.txt loaded when it is given.\n"
    "  --help      show this text\n"
    "  --version   show the program's version\n"
    "The command line tools are in lumoscope-cli; see lumoscope(1).\n";

// --help and --version answer before the window system is asked for, so they also work
// without a display (in a terminal over ssh, in a package test).
bool AnswerInformationOption(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--version") {
      std::printf("lumoscope %s\n", lumoscope::kProgramVersion);
      return true;
    }
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (AnswerInformationOption(argc, argv)) return 0;
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QString::fromLatin1(lumoscope::ui::kOrganisation));
  QApplication::setApplicationName(QString::fromLatin1(lumoscope::ui::kApplication));
  QApplication::setWindowIcon(lumoscope::ui::AppIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("lumoscope"));

  lumoscope::ui::QtSettingsStore settings;
  lumoscope::ui::MainWindowWiring window(settings, lumoscope::UploadFilePath());
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
