// The about box as the person sees it (its texts, the version history), and that the
// window's About command shows it.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "shell/AboutTexts.h"
#include "shell/DocumentCommands.h"
#include "shell/SettingsStore.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/AboutDialog.h"
#include "ui/MainFrame.h"

using namespace lumoscope;
using namespace lumoscope::ui;

class AboutDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // What the person reads in the box: its texts, with the line breaks as shown.
  void showsVersionDateAndHistory() {
    const auto shown = [](const char* text) { return QString(text).replace(QStringLiteral("\r\n"), "\n"); };
    AboutDialog about;
    QCOMPARE(about.windowTitle(), shown(kAboutTitle));
    QCOMPARE(about.VersionField()->text(), shown(kAboutVersion));
    QCOMPARE(about.DateField()->text(), shown(kAboutDate));
    QVERIFY(about.VersionField()->isReadOnly());
    // The history runs from the first change to this edition, entry after entry.
    const QString history = about.HistoryField()->toPlainText();
    QVERIFY(history.startsWith(QStringLiteral("2000.07.19: adjusting upload for large size\n")));
    QVERIFY(history.contains(QStringLiteral("upper then 100kbyte\n2000.08.24")));
    QVERIFY(history.contains(QStringLiteral("registry\nWhen dowmloading")));
    QVERIFY(history.endsWith(
        QStringLiteral("\tVersion %1\t%2\nLumoscope lite version which have a simple function.\n")
            .arg(kAboutVersion, kAboutDate)));
    QVERIFY(about.HistoryField()->isReadOnly());

    QStringList labels;
    for (QLabel* l : about.findChildren<QLabel*>()) labels << l->text();
    for (const char* label : {kAboutNotSupported, kAboutHistoryLabel, kAboutVersionLabel})
      QVERIFY2(labels.contains(shown(label)), label);
    QStringList buttons;
    for (QPushButton* b : about.findChildren<QPushButton*>()) buttons << b->text();
    QCOMPARE(buttons, QStringList{shown(kAboutOkButton)});
  }

  void aboutCommandShowsTheBox() {
    MemorySettingsStore store;
    CMainFrame frame(store, "/tmp/unused-upload.txt");
    QString title;
    uitest::OnNextModal([&](QWidget* w) {
      title = w->windowTitle();
      for (QPushButton* b : w->findChildren<QPushButton*>())
        if (b->text() == QString(kAboutOkButton)) b->click();
    });
    frame.RouteCommand(cmd::kAbout);
    QCOMPARE(title, QString(kAboutTitle));
  }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
