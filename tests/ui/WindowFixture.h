#pragma once
// The assembled window as the window tests start from it: private settings, a scratch
// folder for the lists, and a file chooser that answers from a script.
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

#include "tests/support/FakeFileChooser.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/MainWindowWiring.h"
#include "ui/QtSettingsStore.h"

namespace lumoscope::uitest {

struct WindowFixture {
  // Fresh settings and folder, and the window on them (shown). False when the window
  // never appeared.
  bool Start() {
    settingsDir = std::make_unique<PrivateSettings>();
    work = std::make_unique<QTemporaryDir>();
    store = std::make_unique<ui::QtSettingsStore>();
    chooser = std::make_unique<test::FakeFileChooser>();
    return OpenWindow();
  }
  // A new window on the same settings and folder, as at the program's next start.
  bool OpenWindow() {
    window.reset();
    window = std::make_unique<ui::MainWindowWiring>(*store, WorkFile("VXRupload.txt"), chooser.get());
    window->Frame().show();
    return QTest::qWaitForWindowExposed(&window->Frame());
  }
  void Stop() {
    window.reset();
    chooser.reset();
    store.reset();
    work.reset();
    settingsDir.reset();
  }
  std::string WorkFile(const std::string& name) const { return work->path().toStdString() + "/" + name; }
  // The texts of one column of the list, top to bottom, as the list shows them now.
  QStringList ShownColumn(int column) const {
    ui::ChannelListWidget& list = window->List();
    list.Flush();
    QStringList texts;
    for (int r = 0; r < list.Model().Rows(); ++r)
      texts << QString::fromStdString(list.Model().Cell(r, column));
    return texts;
  }

  std::unique_ptr<PrivateSettings> settingsDir;
  std::unique_ptr<QTemporaryDir> work;
  std::unique_ptr<ui::QtSettingsStore> store;
  std::unique_ptr<test::FakeFileChooser> chooser;
  std::unique_ptr<ui::MainWindowWiring> window;
};

}  // namespace lumoscope::uitest
