// The assembled window as a person uses it: the start state, opening the sample list,
// switching displays, editing through keys and the mouse, compiling, Save As, and the
// transfers against the receiver simulator on a pseudo-terminal.
#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QDockWidget>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "shell/DocumentCommands.h"
#include "tests/support/FakeFileChooser.h"
#include "tests/support/TestLinkBounds.h"
#include "tests/ui/UiTestSupport.h"
#include "tests/ui/WindowFixture.h"
#include "tools/receiver-sim/ReceiverSim.h"
#include "transfer/HexToBin.h"
#include "transfer/PosixLinkFactory.h"
#include "ui/MainWindowWiring.h"
#include "ui/OptionDialog.h"
#include "ui/QtSettingsStore.h"

using namespace lumoscope;
using namespace lumoscope::ui;

namespace {

// Rows of examples/sample.txt in each display.
constexpr int kSampleDigitalRows = 17;  // 14 service-ID channels and 3 PID channels
constexpr int kSampleAnalogRows = 4;
constexpr int kNameColumn = 5;
// The hex-to-binary conversion says when it is done.
const QString kConversionDone = QString::fromLatin1(kConversionDoneMessage);
const QString kDownloadDone = QStringLiteral("Flash download is terminated successfully.\n");

}  // namespace

class MainWindowWiringTest : public QObject {
  Q_OBJECT

 private:
  uitest::WindowFixture fixture_;

  std::string WorkFile(const char* name) const { return fixture_.WorkFile(name); }
  static std::string SampleSource() { return std::string(LUMOSCOPE_SOURCE_DIR) + "/examples/sample.txt"; }
  std::string CopySample(const char* name = "sample.txt") const {
    const std::string to = WorkFile(name);
    std::filesystem::copy_file(SampleSource(), to);
    return to;
  }
  CMainFrame& Frame() { return fixture_.window->Frame(); }
  ChannelListWidget& List() { return fixture_.window->List(); }
  int Rows() {
    List().Flush();
    return List().Model().Rows();
  }
  QStringList Names() const { return fixture_.ShownColumn(kNameColumn); }
  QPoint RowCentre(int row) {
    const RowRect r = List().ItemRect(row);
    return {std::max(r.left, 0) + 30, (r.top + r.bottom) / 2};
  }
  void OpenSample() {
    fixture_.chooser->answers.push_back(CopySample());
    QTest::mouseClick(Frame().CommandButton(cmd::kOpen), Qt::LeftButton);
    QCOMPARE(Rows(), kSampleDigitalRows);
  }
  static bool Exists(const std::string& path) { return std::filesystem::exists(path); }

 private slots:
  void init() { QVERIFY(fixture_.Start()); }
  void cleanup() { fixture_.Stop(); }

  void startsEmptyWithOnlyTheCommandsThatNeedNoList() {
    QVERIFY(Frame().centralWidget()->isAncestorOf(&List()));
    QCOMPARE(Rows(), 0);
    QCOMPARE(uitest::ShownTitle(Frame()), QStringLiteral("Lumoscope Lite"));
    for (int id : {cmd::kOpen, cmd::kDownloadOthers, cmd::kUpload, cmd::kSettingOption, cmd::kAbout})
      QVERIFY2(Frame().CommandAction(id)->isEnabled(), qPrintable(QString::number(id)));
    for (int id : {cmd::kSave, cmd::kSaveAs, cmd::kBasicCompile, cmd::kPreinstalledOneList,
                   cmd::kPreinstalledSplitList, cmd::kDownloadCurrentList, cmd::kViewDigitalChannels,
                   cmd::kViewAnalogChannels, cmd::kViewSatellites, cmd::kDelete, cmd::kInsertNull,
                   cmd::kNewChannel, cmd::kUndo, cmd::kSortSatTypeName})
      QVERIFY2(!Frame().CommandAction(id)->isEnabled(), qPrintable(QString::number(id)));
    QVERIFY(!Frame().CommandButton(cmd::kViewDigitalChannels)->isEnabled());
    QCOMPARE(Frame().CommandAction(cmd::kUndo)->text(), QStringLiteral("Undo Disable"));
    QCOMPARE(Frame().CommandAction(cmd::kToggleDigitalAnalog)->text(), QStringLiteral("View Analog Channel"));
    // Fresh settings: black text on white.
    QCOMPARE(List().TextColor(), QColor(Qt::black));
    QCOMPARE(List().BackgroundColor(), QColor(Qt::white));
  }

  void openShowsTheSampleListAndItsPathInTheTitle() {
    OpenSample();
    QCOMPARE(uitest::ShownTitle(Frame()),
             QString::fromStdString("Lumoscope Lite : " + WorkFile("sample.txt")));
    QCOMPARE(Names().first(), QStringLiteral("Das Erste HD"));
    for (int id : {cmd::kSave, cmd::kSaveAs, cmd::kPreinstalledOneList, cmd::kDownloadCurrentList,
                   cmd::kViewAnalogChannels, cmd::kNewChannel, cmd::kDelete})
      QVERIFY2(Frame().CommandAction(id)->isEnabled(), qPrintable(QString::number(id)));
    QVERIFY(Frame().CommandButton(cmd::kDownloadCurrentList)->isEnabled());
    QVERIFY(Frame().CommandAction(cmd::kViewDigitalChannels)->isChecked());
    QVERIFY(!Frame().CommandAction(cmd::kUndo)->isEnabled());
  }

  void buttonsAndSectionItemsSwitchTheDisplay() {
    OpenSample();
    const int digitalColumns = List().ColumnCount();
    QTest::mouseClick(Frame().CommandButton(cmd::kViewAnalogChannels), Qt::LeftButton);
    QCOMPARE(Rows(), kSampleAnalogRows);
    QVERIFY(List().ColumnCount() != digitalColumns);
    QVERIFY(Frame().CommandAction(cmd::kViewAnalogChannels)->isChecked());
    QVERIFY(!Frame().CommandAction(cmd::kViewDigitalChannels)->isChecked());
    QCOMPARE(Frame().CommandAction(cmd::kToggleDigitalAnalog)->text(),
             QStringLiteral("View Digital Channel"));
    QTest::mouseClick(Frame().CommandButton(cmd::kViewDigitalChannels), Qt::LeftButton);
    QCOMPARE(Rows(), kSampleDigitalRows);
    QCOMPARE(List().ColumnCount(), digitalColumns);

    // Each section shows its records with one column per field; the editing commands
    // belong to the channel displays only.
    struct Section {
      int id;
      int rows;
      int columns;
    };
    for (const Section s : {Section{cmd::kViewSatNames, 32, 2}, Section{cmd::kViewSatellites, 4, 7},
                            Section{cmd::kViewDigitalTps, 7, 6}, Section{cmd::kViewChannelSection, 14, 8},
                            Section{cmd::kViewPidSection, 3, 10}, Section{cmd::kViewAnalogSection, 4, 18}}) {
      Frame().CommandAction(s.id)->trigger();
      QCOMPARE(Rows(), s.rows);
      QCOMPARE(List().ColumnCount(), s.columns);
      QVERIFY(Frame().CommandAction(s.id)->isChecked());
      QVERIFY(!Frame().CommandAction(cmd::kNewChannel)->isEnabled());
    }
    Frame().CommandAction(cmd::kToggleDigitalAnalog)->trigger();
    QCOMPARE(Rows(), kSampleAnalogRows);
  }

  void optionColoursRedrawTheShownDisplayAndComeBackAtTheNextStart() {
    OpenSample();
    QTest::mouseClick(Frame().CommandButton(cmd::kViewAnalogChannels), Qt::LeftButton);
    uitest::OnNextModal([](QWidget* w) {
      auto* dialog = qobject_cast<OptionDialog*>(w);
      if (dialog == nullptr) return;
      dialog->DefaultColourButton()->click();
      dialog->accept();
    });
    QTest::mouseClick(Frame().CommandButton(cmd::kSettingOption), Qt::LeftButton);
    // Blue on silver, and still the analog channels.
    QCOMPARE(List().TextColor(), QColor(0, 0, 255));
    QCOMPARE(List().BackgroundColor(), QColor(192, 192, 192));
    QCOMPARE(Rows(), kSampleAnalogRows);
    QVERIFY(Frame().CommandAction(cmd::kViewAnalogChannels)->isChecked());

    QVERIFY(fixture_.OpenWindow());
    QCOMPARE(List().TextColor(), QColor(0, 0, 255));
    QCOMPARE(List().BackgroundColor(), QColor(192, 192, 192));
  }

  void deleteKeyAndCtrlZOnTheList() {
    OpenSample();
    const QStringList before = Names();
    Frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Frame()));
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, RowCentre(1));
    QTest::keyClick(&List(), Qt::Key_Delete);
    QStringList expected = before;
    expected.removeAt(1);
    QCOMPARE(Names(), expected);
    QTRY_VERIFY(Frame().CommandAction(cmd::kUndo)->isEnabled());
    QVERIFY(Frame().CommandAction(cmd::kUndo)->text().startsWith(QStringLiteral("Undo (1 - ")));

    QTest::keyClick(&List(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Names(), before);
    QTRY_COMPARE(Frame().CommandAction(cmd::kUndo)->text(), QStringLiteral("Undo Disable"));
  }

  void f2AndMakeNewChannelOpenTheChannelDialogOfTheShownKind() {
    OpenSample();
    QString title;
    auto cancelDialog = [&title](QWidget* w) {
      title = w->windowTitle();
      qobject_cast<QDialog*>(w)->reject();
    };
    uitest::OnNextModal(cancelDialog);
    QTest::keyClick(&List(), Qt::Key_F2);
    QCOMPARE(title, QStringLiteral("Setting Digital Channel....New"));
    QCOMPARE(Rows(), kSampleDigitalRows);

    QTest::mouseClick(Frame().CommandButton(cmd::kViewAnalogChannels), Qt::LeftButton);
    uitest::OnNextModal(cancelDialog);
    Frame().CommandAction(cmd::kNewChannel)->trigger();
    QCOMPARE(title, QStringLiteral("Setting Analog Channel....New"));
    QCOMPARE(Rows(), kSampleAnalogRows);
    QVERIFY(!Frame().CommandAction(cmd::kUndo)->isEnabled());
  }

  void dragMovesAChannelWithTheMouse() {
    OpenSample();
    const QStringList before = Names();
    QWidget* vp = List().viewport();
    const QPoint start = RowCentre(0);
    const QPoint end = RowCentre(2);
    QTest::mousePress(vp, Qt::LeftButton, {}, start);
    QTest::mouseMove(vp, (start + end) / 2);
    QTest::mouseMove(vp, end);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, end);
    // The first channel lands directly above the third.
    QCOMPARE(Names().mid(0, 3), (QStringList{before[1], before[0], before[2]}));
    QCOMPARE(Names().size(), before.size());
  }

  void preinstalledCompileLeavesHexAndBinButNoMergeFile() {
    OpenSample();
    uitest::BoxAnswerer answerer;
    Frame().CommandAction(cmd::kPreinstalledOneList)->trigger();
    QCOMPARE(answerer.texts, QStringList{kConversionDone});
    QVERIFY(Exists(WorkFile("sample.hex")));
    QVERIFY(Exists(WorkFile("sample.bin")));
    QVERIFY(!Exists(WorkFile("sample.mrg")));
    QVERIFY(!Exists(WorkFile("sample.cplsrc")));
    QVERIFY(Frame().Document().IsCompiled());
  }

  void saveAsRefusesAnotherExtension() {
    OpenSample();
    fixture_.chooser->answers.push_back(WorkFile("renamed.text"));
    QString text;
    uitest::AnswerNextBox(QMessageBox::Ok, &text);
    Frame().CommandAction(cmd::kSaveAs)->trigger();
    QCOMPARE(text, QStringLiteral("Extention Name must be 'txt' "));
    QVERIFY(!Exists(WorkFile("renamed.text")));
    QCOMPARE(uitest::ShownTitle(Frame()),
             QString::fromStdString("Lumoscope Lite : " + WorkFile("sample.txt")));
  }

  void closingAModifiedListAsksAndCancelKeepsIt() {
    OpenSample();
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, RowCentre(0));
    QTest::keyClick(&List(), Qt::Key_Delete);
    QString text;
    uitest::AnswerNextBox(QMessageBox::Cancel, &text);
    QVERIFY(!Frame().close());
    QCOMPARE(text, QStringLiteral("Saveing  Modified Data!!!"));
    QCOMPARE(Rows(), kSampleDigitalRows - 1);
    uitest::AnswerNextBox(QMessageBox::Yes);
    QVERIFY(Frame().close());
    // Yes wrote the edited list.
    QFile saved(QString::fromStdString(WorkFile("sample.txt")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(!saved.readAll().contains("Das Erste HD"));
  }

  void downloadAndUploadAgainstTheSimulatedReceiver() {
    // The list lies in a folder of its own, apart from the upload's.
    std::filesystem::create_directory(WorkFile("lists"));
    fixture_.chooser->answers.push_back(CopySample("lists/sample.txt"));
    QTest::mouseClick(Frame().CommandButton(cmd::kOpen), Qt::LeftButton);
    QCOMPARE(Rows(), kSampleDigitalRows);
    PosixLinkFactory factory{test::kTestLinkBounds};
    Frame().Document().SetLinkFactory(&factory);
    Frame().Options().portNumber = 1;
    // The comparison with the receiver offered after the download is declined here.
    uitest::BoxAnswerer answerer(QMessageBox::No);

    sim::ReceiverSimulator flash{sim::SimOptions{}};
    QVERIFY(flash.Open());
    Frame().Options().devicePaths[0] = flash.DevicePath();
    flash.Start();
    QTest::mouseClick(Frame().CommandButton(cmd::kDownloadCurrentList), Qt::LeftButton);
    flash.Stop();
    QCOMPARE(answerer.texts, (QStringList{kConversionDone, kDownloadDone,
                                          QString::fromStdString(WithUploadPrompt(kAfterDownloadQuestion))}));
    answerer.texts.clear();
    QVERIFY(flash.Result().verdictWasPok);
    // The download wrote its steps, then the command put the window away again.
    QVERIFY(!Frame().MessageText()->toPlainText().isEmpty());
    QVERIFY(!Frame().MessageWindow()->isVisible());
    QCOMPARE(Frame().TransferProgress(), nullptr);

    // The same receiver's console gives its list back; Save As names it.
    sim::SimOptions consoleOptions;
    QFile sample(QString::fromStdString(SampleSource()));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    // The console prints the list from its first section header on.
    const QByteArray text = sample.readAll();
    consoleOptions.channelList = text.mid(text.indexOf("[SATELLITE_NAME_LIST]")).toStdString();
    sim::ReceiverSimulator console(consoleOptions);
    QVERIFY(console.Open());
    Frame().Options().devicePaths[0] = console.DevicePath();
    console.Start();
    fixture_.chooser->answers.push_back(WorkFile("fromreceiver.txt"));
    QTest::mouseClick(Frame().CommandButton(cmd::kUpload), Qt::LeftButton);
    console.Stop();
    QVERIFY2(answerer.texts == QStringList{QStringLiteral("Uploading SUCESS")},
             qPrintable(answerer.texts.join("|")));
    QVERIFY(console.Result().listingPrinted);
    // The upload wrote its own steps; Save As started where the opened list lies, not in
    // the private upload folder.
    QVERIFY(Frame().MessageText()->toPlainText().contains(QStringLiteral("Waiting for the list")));
    QVERIFY(!Frame().MessageText()->toPlainText().contains(QStringLiteral("DN_HEADER")));
    QVERIFY(fixture_.chooser->requests.back().save);
    QCOMPARE(fixture_.chooser->requests.back().initialFolder, WorkFile("lists"));
    QCOMPARE(Rows(), kSampleDigitalRows);
    QVERIFY(Exists(WorkFile("fromreceiver.txt")));
    QCOMPARE(uitest::ShownTitle(Frame()),
             QString::fromStdString("Lumoscope Lite : " + WorkFile("fromreceiver.txt")));
    Frame().Document().SetLinkFactory(nullptr);
  }
};

QTEST_MAIN(MainWindowWiringTest)
#include "main_window_wiring_test.moc"
