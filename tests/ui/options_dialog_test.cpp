// The option dialog through the real window and a real settings file: what survives a
// restart (colours, port, device paths) and what does not (the 40 satellites switch).
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/DocumentCommands.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/MainFrame.h"
#include "ui/OptionDialog.h"
#include "ui/QtSettingsStore.h"

using namespace lumoscope;
using namespace lumoscope::ui;

class OptionsDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<uitest::PrivateSettings> settingsDir_;

  // One run of the program: a store and a window over the same settings file.
  struct Run {
    QtSettingsStore store;
    CMainFrame frame{store, "/tmp/unused-upload.txt"};
    ListColours colours;
    Run() {
      frame.SetColourSink([this](const ListColours& c) { colours = c; });
    }
  };

  // Opens "Setting Option" from the window and lets `act` work the dialog.
  static void WithOptionDialog(CMainFrame& frame, std::function<void(OptionDialog*)> act) {
    bool seen = false;
    uitest::OnNextModal([&](QWidget* w) {
      auto* dialog = qobject_cast<OptionDialog*>(w);
      if (dialog == nullptr) return;
      seen = true;
      act(dialog);
    });
    frame.RouteCommand(cmd::kSettingOption);
    QVERIFY(seen);
  }

 private slots:
  void init() { settingsDir_ = std::make_unique<uitest::PrivateSettings>(); }
  void cleanup() { settingsDir_.reset(); }

  void freshInstallShowsPlainColoursButOffersBlueOnSilver() {
    Run run;
    QVERIFY(!run.frame.ApplySavedColours());
    QCOMPARE(run.colours.text, kBlack);
    QCOMPARE(run.colours.background, kWhite);
    QCOMPARE(run.frame.Options().portNumber, 1);
    WithOptionDialog(run.frame, [](OptionDialog* d) {
      QCOMPARE(d->windowTitle(), QStringLiteral("Setting Option"));
      QCOMPARE(d->State().textColour, kDefaultTextColour);
      QCOMPARE(d->State().backgroundColour, kDefaultBackgroundColour);
      QVERIFY(d->ThirtyTwoButton()->isChecked());
      QCOMPARE(d->PortList()->currentText(), QStringLiteral("COM1"));
      QCOMPARE(d->DeviceList(0)->currentText(), QStringLiteral("/dev/ttyS0"));
      d->reject();
    });
  }

  void choicesSurviveARestartExceptTheSatelliteSwitch() {
    {
      Run run;
      WithOptionDialog(run.frame, [](OptionDialog* d) {
        d->FortyButton()->setChecked(true);
        d->PortList()->setCurrentIndex(2);
        d->DeviceList(2)->setEditText(QStringLiteral("/dev/pts/5"));
        d->DefaultColourButton()->click();
        d->accept();
      });
      QVERIFY(run.frame.Options().fortySatellites);
      QCOMPARE(run.frame.Options().portNumber, 3);
      QCOMPARE(run.frame.Options().devicePaths[2], std::string("/dev/pts/5"));
      QVERIFY(run.colours.saved);  // the list took the new colours at once
      QCOMPARE(run.colours.text, kDefaultTextColour);
      run.store.Sync();
    }
    Run again;
    QVERIFY(!again.frame.Options().fortySatellites);
    QCOMPARE(again.frame.Options().portNumber, 3);
    QCOMPARE(again.frame.Options().devicePaths[2], std::string("/dev/pts/5"));
    QVERIFY(again.frame.ApplySavedColours());
    QCOMPARE(again.colours.text, kDefaultTextColour);
    QCOMPARE(again.colours.background, kDefaultBackgroundColour);
    QCOMPARE(again.colours.textBackground, kDefaultBackgroundColour);
    WithOptionDialog(again.frame, [](OptionDialog* d) {
      QCOMPARE(d->PortList()->currentText(), QStringLiteral("COM3"));
      QVERIFY(d->ThirtyTwoButton()->isChecked());
      QCOMPARE(d->DeviceList(2)->currentText(), QStringLiteral("/dev/pts/5"));
      // The name encodings say which script they are for.
      QCOMPARE(d->NameEncodingList()->findText(QStringLiteral("ISO-8859-5 (Cyrillic)")), 2);
      QVERIFY(d->NameEncodingList()->findText(QStringLiteral("Windows-1250 (Central European)")) >= 0);
      d->reject();
    });
  }

  void cancelDropsEveryChoice() {
    Run run;
    WithOptionDialog(run.frame, [](OptionDialog* d) {
      d->FortyButton()->setChecked(true);
      d->PortList()->setCurrentIndex(3);
      d->DefaultColourButton()->click();
      d->reject();
    });
    QVERIFY(!run.frame.Options().fortySatellites);
    QCOMPARE(run.frame.Options().portNumber, 1);
    QVERIFY(!run.colours.saved);
    QVERIFY(!run.frame.ApplySavedColours());
  }

  void cancelledColourChooserStillSavesTheColours() {
    MemorySettingsStore store;
    AppOptions options;
    int asked = 0;
    OptionDialog dialog(OptionDialogState(options, store), nullptr, [&](const QString&) {
      ++asked;
      return std::optional<Colour>();
    });
    dialog.TextColourButton()->click();
    QCOMPARE(asked, 1);
    QVERIFY(dialog.State().coloursTouched);
    QCOMPARE(dialog.State().textColour, kDefaultTextColour);

    OptionDialog other(OptionDialogState(options, store), nullptr,
                       [](const QString&) { return std::optional<Colour>(MakeColour(9, 8, 7)); });
    other.BackgroundColourButton()->click();
    QCOMPARE(other.State().backgroundColour, MakeColour(9, 8, 7));
  }

  void deviceListOffersTypedAndListedPaths() {
    MemorySettingsStore store;
    AppOptions options;
    options.devicePaths[0] = "/dev/ttyUSB7";
    OptionDialog dialog(OptionDialogState(options, store));
    QComboBox* box = dialog.DeviceList(0);
    QVERIFY(box->isEditable());
    QCOMPARE(box->currentText(), QStringLiteral("/dev/ttyUSB7"));
    box->setEditText(QStringLiteral("  /dev/pts/9 "));
    QCOMPARE(dialog.State().devicePaths[0], std::string("/dev/pts/9"));
    box->setEditText(QString());
    QCOMPARE(dialog.State().devicePaths[0], std::string("/dev/pts/9"));  // an empty field is no choice
  }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
