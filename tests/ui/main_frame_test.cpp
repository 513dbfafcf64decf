// The main window: its start state, the message window protocol, the transfer progress
// bar, keys and the questions the document asks through it.
#include <QAction>
#include <QDockWidget>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "shell/DocumentCommands.h"
#include "tests/support/FakeDocumentView.h"
#include "tests/support/FakeFileChooser.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/CommandLayout.h"
#include "ui/MainFrame.h"
#include "ui/QtFileChooser.h"
#include "ui/QtSettingsStore.h"
#include "ui/RecentListsMenu.h"

using namespace lumoscope;
using namespace lumoscope::ui;

class MainFrameTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<uitest::PrivateSettings> settingsDir_;
  std::unique_ptr<QTemporaryDir> work_;
  std::unique_ptr<QtSettingsStore> store_;
  std::unique_ptr<lumoscope::test::FakeFileChooser> chooser_;
  std::unique_ptr<CMainFrame> frame_;

  std::string WorkFile(const char* name) const {
    return (work_->path() + QLatin1Char('/') + name).toStdString();
  }

 private slots:
  void init() {
    settingsDir_ = std::make_unique<uitest::PrivateSettings>();
    work_ = std::make_unique<QTemporaryDir>();
    store_ = std::make_unique<QtSettingsStore>();
    chooser_ = std::make_unique<lumoscope::test::FakeFileChooser>();
    frame_ = std::make_unique<CMainFrame>(*store_, WorkFile("VXRupload.txt"), chooser_.get());
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
  }
  void cleanup() {
    frame_.reset();
    chooser_.reset();
    store_.reset();
    work_.reset();
    settingsDir_.reset();
  }

  void startsWithOnlyOpenDownloadOthersAndUploadOfTheDocumentsCommands() {
    for (const CommandInfo& c : DocumentCommandTable()) {
      const bool always = c.id == cmd::kOpen || c.id == cmd::kDownloadOthers || c.id == cmd::kUpload;
      QVERIFY2(frame_->CommandAction(c.id)->isEnabled() == always, qPrintable(QString::number(c.id)));
    }
    QVERIFY(frame_->CommandAction(cmd::kSettingOption)->isEnabled());
    QVERIFY(frame_->CommandAction(cmd::kAbout)->isEnabled());
    QVERIFY(!frame_->CommandButton(cmd::kDownloadCurrentList)->isEnabled());
    QVERIFY(frame_->CommandButton(cmd::kUpload)->isEnabled());
    // The list's own commands wait for the list.
    QVERIFY(!frame_->CommandButton(viewcmd::kViewDigital)->isEnabled());
    QVERIFY(!frame_->CommandAction(viewcmd::kDeleteChannel)->isEnabled());
    QCOMPARE(uitest::ShownTitle(*frame_), QStringLiteral("Lumoscope Lite"));
  }

  void showsOnlyButtonBarListAndStatusBarAtStart() {
    QVERIFY(frame_->ButtonBar()->isVisible());
    QVERIFY(!frame_->ToolBar()->isVisible());
    QVERIFY(!frame_->MessageWindow()->isVisible());
    QVERIFY(frame_->statusBar()->isVisible());
    QCOMPARE(frame_->TransferProgress(), nullptr);
    QCOMPARE(frame_->FrameProgress()->maximum(), 100);
    QCOMPARE(frame_->FrameProgress()->value(), 0);
    QCOMPARE(frame_->FrameProgress()->width() * frame_->FrameProgress()->height(), 0);

    const QStringList labels{"Open",
                             "Download Current CH. List",
                             "Download Others(bin,hex)",
                             "Upload",
                             "View Digital Channel",
                             "View Analog Channel",
                             "Option",
                             "About"};
    const int ids[] = {57601, 32788, 32813, 32800, 32782, 32784, 32812, 57664};
    for (int i = 0; i < 8; ++i) QCOMPARE(frame_->CommandButton(ids[i])->text(), labels[i]);
    // Two rows of four.
    QCOMPARE(frame_->CommandButton(57601)->y(), frame_->CommandButton(32800)->y());
    QVERIFY(frame_->CommandButton(32782)->y() > frame_->CommandButton(57601)->y());
  }

  void menusKeysAndTheToolbarSwitch() {
    QStringList titles;
    for (QAction* a : frame_->menuBar()->actions()) titles << a->text();
    QCOMPARE(titles, (QStringList{"&File", "&Open", "&Recent Lists", "&Edit", "&View", "E&xit"}));
    // The File menu carries the same commands as the toolbar, the keys and Exit.
    const QList<QAction*> file = frame_->FileMenu()->actions();
    QCOMPARE(file.at(0), frame_->CommandAction(cmd::kOpen));
    QCOMPARE(file.at(1), frame_->RecentMenu().Menu()->menuAction());
    QCOMPARE(file.at(3), frame_->CommandAction(cmd::kSave));
    QCOMPARE(file.at(4), frame_->CommandAction(cmd::kSaveAs));
    QCOMPARE(file.last(), frame_->CommandAction(kQuitCommand));
    QCOMPARE(file.last()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QMenu* edit = frame_->menuBar()->actions().at(3)->menu();
    QCOMPARE(edit->actions().at(0)->text(), QStringLiteral("&Insert Null Channel"));
    QCOMPARE(edit->actions().at(1)->text(), QStringLiteral("&Delete Channel"));
    QCOMPARE(frame_->CommandAction(cmd::kSave)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(frame_->CommandAction(cmd::kDownloadOthers)->statusTip(),
             QStringLiteral("Download Program or  compiled channel list file or Hex file [PC=>Settop]"));

    QMenu* view = frame_->menuBar()->actions().at(4)->menu();
    QAction* toolbarItem = view->actions().at(0);
    QCOMPARE(toolbarItem->text(), QStringLiteral("Toolbar"));
    toolbarItem->trigger();
    QVERIFY(frame_->ToolBar()->isVisible());
    toolbarItem->trigger();
    QVERIFY(!frame_->ToolBar()->isVisible());

    // The toolbar's groups: Open, Save, Save As | Print | ...
    const QList<QAction*> tools = frame_->ToolBar()->actions();
    QCOMPARE(tools.at(0), frame_->CommandAction(cmd::kOpen));
    QCOMPARE(tools.at(2), frame_->CommandAction(cmd::kSaveAs));
    QVERIFY(tools.at(3)->isSeparator());
    QCOMPARE(tools.last(), frame_->CommandAction(cmd::kSettingOption));
  }

  void ctrlOOpensAChosenListAndEnablesTheListCommands() {
    chooser_->answers.push_back(WorkFile("list.txt"));
    QTest::keyClick(frame_.get(), Qt::Key_O, Qt::ControlModifier);
    QVERIFY(frame_->Document().IsLoaded());
    QCOMPARE(frame_->Document().CurrentPath(), WorkFile("list.txt"));
    QVERIFY(frame_->CommandAction(cmd::kSaveAs)->isEnabled());
    QVERIFY(frame_->CommandButton(cmd::kDownloadCurrentList)->isEnabled());
  }

  void messageWindowFollowsTheProtocol() {
    frame_->Reporter().ShowMessage("first\r\n");
    frame_->Reporter().ShowMessage("second");
    QVERIFY(frame_->MessageWindow()->isVisible());
    QCOMPARE(frame_->MessageText()->toPlainText(), QStringLiteral("first\nsecond"));
    frame_->Reporter().ShowMessage("CLEAR ALL MESSAGE");
    QCOMPARE(frame_->MessageText()->toPlainText(), QString());
    QVERIFY(frame_->MessageWindow()->isVisible());
    frame_->Reporter().ShowMessage("HIDE MESSAGE WINDOW");
    QVERIFY(!frame_->MessageWindow()->isVisible());
    frame_->Reporter().ShowMessage("SHOW MESSAGE WINDOW");
    QVERIFY(frame_->MessageWindow()->isVisible());
    QCOMPARE(frame_->MessageText()->toPlainText(), QString());
    frame_->Reporter().HideMessageWindow();
    QVERIFY(!frame_->MessageWindow()->isVisible());
    // Its text box sits inside the margins of the bar.
    const QMargins m = frame_->MessageText()->parentWidget()->layout()->contentsMargins();
    QCOMPARE(m, QMargins(15, 15, 15, 65));
  }

  void transferProgressBarExistsOnlyWhileATransferReports() {
    frame_->Reporter().SetProgress(50, 2);
    QCOMPARE(frame_->TransferProgress(), nullptr);
    frame_->Reporter().SetProgress(30, 1);
    QProgressBar* bar = frame_->TransferProgress();
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->value(), 30);
    QCOMPARE(bar->maximum(), 100);
    QVERIFY(bar->isVisible());
    frame_->Reporter().SetProgress(60, 1);
    QCOMPARE(frame_->TransferProgress(), bar);
    QCOMPARE(frame_->statusBar()->findChildren<QProgressBar*>().size(), 2);  // with the frame's own
    QCOMPARE(bar->value(), 60);
    frame_->Reporter().SetProgress(0, 2);
    QCOMPARE(frame_->TransferProgress(), nullptr);
    frame_->Reporter().SetFrameProgress(40);
    QCOMPARE(frame_->FrameProgress()->value(), 40);
  }

  void saveAsRefusesAnExtensionOtherThanTxt() {
    frame_->Document().OpenFile(WorkFile("list.txt"));
    frame_->UpdateCommandStates();
    chooser_->answers.push_back(WorkFile("copy.text"));
    QString text;
    uitest::AnswerNextBox(QMessageBox::Ok, &text);
    frame_->RouteCommand(cmd::kSaveAs);
    QCOMPARE(text, QStringLiteral("Extention Name must be 'txt' "));
    QCOMPARE(frame_->Document().Database()->FilePath(), WorkFile("list.txt"));
  }

  void questionsAndTheWaitPointer() {
    QString caption;
    uitest::AnswerNextBox(QMessageBox::Yes, nullptr, &caption);
    QCOMPARE(frame_->Reporter().AskYesNo("Sure?", "Check"), Answer::Yes);
    QCOMPARE(caption, QStringLiteral("Check"));
    uitest::AnswerNextBox(QMessageBox::Cancel);
    QCOMPARE(frame_->Reporter().AskYesNoCancel("Sure?", "Check"), Answer::Cancel);
    uitest::AnswerNextBox(QMessageBox::Ok, nullptr, &caption);
    frame_->Reporter().MessageBox("Done");
    QCOMPARE(caption, QStringLiteral("Lumoscope"));

    frame_->Reporter().BeginWait();
    frame_->Reporter().BeginWait();
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    // A message box during the wait gets the ordinary pointer, and the wait goes on after it.
    Qt::CursorShape duringBox = Qt::WaitCursor;
    uitest::OnNextModal([&](QWidget* w) {
      duringBox = QApplication::overrideCursor()->shape();
      qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
    });
    frame_->Reporter().MessageBox("Failed");
    QCOMPARE(duringBox, Qt::ArrowCursor);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    // The window stays while the program is busy.
    QVERIFY(!frame_->close());
    frame_->Reporter().EndWait();
    QVERIFY(QApplication::overrideCursor() != nullptr);
    frame_->Reporter().EndWait();
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }

  void fileDialogsFilterBothLetterCases() {
    QCOMPARE(QtFileChooser::NameFilters("VXR Formatted Text File(*.TXT)|*.txt||"),
             QStringList{QStringLiteral("VXR Formatted Text File (*.txt *.TXT)")});
    QCOMPARE(QtFileChooser::NameFilters("Program Binary File(*.bin)|*.bin|Hex file(*.HEX)|*.hex|"),
             (QStringList{QStringLiteral("Program Binary File (*.bin *.BIN)"),
                          QStringLiteral("Hex file (*.hex *.HEX)")}));
  }

  void closingWithAModifiedListAsksAndCancelKeepsTheWindow() {
    lumoscope::test::FakeDocumentView view;
    frame_->Document().SetView(&view);
    frame_->Document().OpenFile(WorkFile("list.txt"));
    view.modified = true;
    QString text;
    QString caption;
    uitest::AnswerNextBox(QMessageBox::Cancel, &text, &caption);
    QVERIFY(!frame_->close());
    QVERIFY(frame_->isVisible());
    QCOMPARE(text, QStringLiteral("Saveing  Modified Data!!!"));
    QCOMPARE(caption, QStringLiteral("Saving"));

    uitest::AnswerNextBox(QMessageBox::No);
    QVERIFY(frame_->close());
    frame_->Document().SetView(nullptr);
  }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
