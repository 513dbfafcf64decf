// The about box and its texts, and that the window's About command shows it.
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
  void showsVersionDateAndHistory() {
    AboutDialog about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Lumoscope Lite"));
    QCOMPARE(about.VersionField()->text(), QStringLiteral("1.0000"));
    QCOMPARE(about.DateField()->text(), QStringLiteral("2000.10.10"));
    QVERIFY(about.VersionField()->isReadOnly());
    const QString history = about.HistoryField()->toPlainText();
    QVERIFY(history.startsWith(QStringLiteral("2000.07.19: adjusting upload for large size\n")));
    QVERIFY(history.endsWith(QStringLiteral(
        "\tVersion 1.0000\t2000.10.10\nLumoscope lite version which have a simple function.\n")));
    QVERIFY(about.HistoryField()->isReadOnly());

    QStringList labels;
    for (QLabel* l : about.findChildren<QLabel*>()) labels << l->text();
    QVERIFY(labels.contains(QStringLiteral("Not Support Pid Section")));
    QVERIFY(labels.contains(QStringLiteral("- - History - -")));
    QVERIFY(labels.contains(QStringLiteral("Lumoscope Version :\n\nLast Modefied Date: ")));
    QStringList buttons;
    for (QPushButton* b : about.findChildren<QPushButton*>()) buttons << b->text();
    QCOMPARE(buttons, QStringList{QStringLiteral("O K")});
  }

  void aboutCommandShowsTheBox() {
    MemorySettingsStore store;
    CMainFrame frame(store, "/tmp/unused-upload.txt");
    QString title;
    uitest::OnNextModal([&](QWidget* w) {
      title = w->windowTitle();
      for (QPushButton* b : w->findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("O K")) b->click();
    });
    frame.RouteCommand(cmd::kAbout);
    QCOMPARE(title, QStringLiteral("About Lumoscope Lite"));
  }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
