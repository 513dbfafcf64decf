// The window's import, export and print commands: reachable from the menus once a list
// is open, the import dialog with its preselected table, and the printout's pages.
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>
#include <filesystem>

#include "editing/ScanTableCatalog.h"
#include "shell/DocumentCommands.h"
#include "tests/ui/UiTestSupport.h"
#include "tests/ui/WindowFixture.h"
#include "ui/ChannelImportDialog.h"
#include "ui/MainWindowWiring.h"
#include "ui/TransponderImportDialog.h"

using namespace lumoscope;
using namespace lumoscope::ui;

namespace {

const std::string kSourceDir = LUMOSCOPE_SOURCE_DIR;
const std::string kTestTable = kSourceDir + "/tests/data/scan-tables/Testsat-19.2E";

// Pages of a PDF file: its page objects.
int PdfPages(const QByteArray& pdf) {
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
  return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

}  // namespace

class ListToolsTest : public QObject {
  Q_OBJECT

 private:
  uitest::WindowFixture fixture_;

  std::string WorkFile(const std::string& name) const { return fixture_.WorkFile(name); }
  CMainFrame& Frame() { return fixture_.window->Frame(); }
  QAction* Action(int id) { return Frame().CommandAction(id); }
  void OpenSample() {
    const std::string list = WorkFile("sample.txt");
    std::filesystem::copy_file(kSourceDir + "/examples/sample.txt", list);
    QVERIFY(fixture_.window->OpenFile(list));
  }
  // The scan tables "installed" for the test: the test table under two satellites' names.
  std::string TableFolder() {
    const std::string folder = WorkFile("dvb-s");
    std::filesystem::create_directory(folder);
    for (const char* name : {"Astra-19.2E", "Hotbird-13.0E"})
      std::filesystem::copy_file(kTestTable, folder + "/" + name);
    return folder;
  }
  std::vector<std::string>& Fields() { return fixture_.window->View().Fields(); }
  long Transponders() {
    const auto start = std::find(Fields().begin(), Fields().end(), "DIGITAL START");
    const auto end = std::find(Fields().begin(), Fields().end(), "DIGITAL END");
    return (end - start - 1) / 6;
  }

 private slots:
  void init() { QVERIFY(fixture_.Start()); }
  void cleanup() { fixture_.Stop(); }

  void commandsAreInTheMenusAndNeedAList() {
    const QList<QAction*> bar = Frame().menuBar()->actions();
    QCOMPARE(bar.at(0)->menu(), Frame().FileMenu());
    QCOMPARE(bar.at(3)->text(), QStringLiteral("&Edit"));
    // In the File menu after Save As and before Quit.
    const QList<QAction*> file = Frame().FileMenu()->actions();
    for (int id : {toolcmd::kImportChannels, toolcmd::kExport, toolcmd::kPrintPreview, toolcmd::kPrint,
                   toolcmd::kSaveAsPdf}) {
      QVERIFY2(file.indexOf(Action(id)) > file.indexOf(Action(cmd::kSaveAs)),
               qPrintable(QString::number(id)));
      QVERIFY2(file.indexOf(Action(id)) < file.indexOf(Frame().FileMenuEnd()),
               qPrintable(QString::number(id)));
    }
    QCOMPARE(bar.at(3)->menu()->actions().last(), Action(toolcmd::kImportTransponders));
    QVERIFY(Frame().ToolBar()->actions().contains(Action(toolcmd::kPrint)));

    const int needList[] = {toolcmd::kImportTransponders, toolcmd::kImportChannels, toolcmd::kExport,
                            toolcmd::kPrint, toolcmd::kSaveAsPdf};
    for (int id : needList) QVERIFY(!Action(id)->isEnabled());
    OpenSample();
    for (int id : needList) QVERIFY(Action(id)->isEnabled());
  }

  void importPreselectsTheSelectedSatellitesTableAndIsOneUndoStep() {
    OpenSample();
    fixture_.window->Tools().SetScanTableFolder(TableFolder());
    Action(cmd::kViewSatellites)->trigger();
    fixture_.window->List().SelectAndFocus(1);  // Hotbird 13E
    const long before = Transponders();

    QString preselected, report;
    uitest::OnNextModal([&](QWidget* w) {
      auto* dialog = qobject_cast<TransponderImportDialog*>(w);
      if (dialog == nullptr) return;
      QCOMPARE(dialog->SatelliteList()->currentIndex(), 1);
      preselected = dialog->TableList()->currentItem()->text();
      uitest::AnswerNextBox(QMessageBox::Ok, &report);
      dialog->Buttons()->button(QDialogButtonBox::Ok)->click();
    });
    Action(toolcmd::kImportTransponders)->trigger();
    QCOMPARE(preselected, QStringLiteral("Hotbird-13.0E"));
    QVERIFY2(report.contains(QStringLiteral("added")), qPrintable(report));
    QCOMPARE(Transponders(), before + 4);  // satellite 1 has none of the table's five; one repeats
    QVERIFY(Action(cmd::kUndo)->isEnabled());
    Action(cmd::kUndo)->trigger();
    QCOMPARE(Transponders(), before);
  }

  void importScannedChannelsToTheSelectedSatelliteIsOneUndoStep() {
    OpenSample();
    Action(cmd::kViewSatellites)->trigger();
    fixture_.window->List().SelectAndFocus(0);  // Astra 19.2E
    const std::vector<std::string> before = Fields();
    fixture_.chooser->answers.push_back(std::string(LUMOSCOPE_SOURCE_DIR) +
                                        "/examples/scans/vdr-channels.conf");
    QString about, report;
    uitest::OnNextModal([&](QWidget* w) {
      auto* dialog = qobject_cast<ChannelImportDialog*>(w);
      if (dialog == nullptr) return;
      QCOMPARE(dialog->SatelliteList()->currentIndex(), 0);
      dialog->PidsBox()->setChecked(true);
      uitest::AnswerNextBox(QMessageBox::Ok, &report);
      dialog->Buttons()->button(QDialogButtonBox::Ok)->click();
    });
    Action(toolcmd::kImportChannels)->trigger();
    QVERIFY2(report.contains(QStringLiteral("6 PID channels added")), qPrintable(report));
    QCOMPARE(fixture_.window->View().UndoCount(), 1);
    Action(cmd::kUndo)->trigger();
    QVERIFY(Fields() == before);
  }

  void withoutInstalledTablesTheDialogSaysHowToGetThemAndTakesAFile() {
    OpenSample();
    fixture_.window->Tools().SetScanTableFolder(WorkFile("nothing-here"));
    fixture_.chooser->answers.push_back(kTestTable);
    QString note;
    uitest::OnNextModal([&](QWidget* w) {
      auto* dialog = qobject_cast<TransponderImportDialog*>(w);
      if (dialog == nullptr) return;
      note = dialog->Note()->text();
      QVERIFY(!dialog->Buttons()->button(QDialogButtonBox::Ok)->isEnabled());
      dialog->ChooseFileButton()->click();
      QCOMPARE(dialog->TablePath(), kTestTable);
      dialog->SatelliteList()->setCurrentIndex(dialog->SatelliteList()->count() - 1);  // a new satellite
      QVERIFY(!dialog->Target().satelliteIndex);
      dialog->reject();
    });
    Action(toolcmd::kImportTransponders)->trigger();
    QCOMPARE(note, QString::fromLatin1(kScanTablesMissingMessage));
    QVERIFY(!Action(cmd::kUndo)->isEnabled());
  }

  void exportAndSaveAsPdfWriteTheChosenFiles() {
    OpenSample();
    fixture_.chooser->answers.push_back(WorkFile("channels.json"));
    Action(toolcmd::kExport)->trigger();
    QFile json(QString::fromStdString(WorkFile("channels.json")));
    QVERIFY(json.open(QIODevice::ReadOnly));
    QVERIFY(json.readAll().contains("\"format\": \"lumoscope-channel-list\""));

    fixture_.chooser->answers.push_back(WorkFile("channels.pdf"));
    Action(toolcmd::kSaveAsPdf)->trigger();
    QFile pdf(QString::fromStdString(WorkFile("channels.pdf")));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(PdfPages(pdf.readAll()), 1);
    QCOMPARE(fixture_.chooser->requests.back().initialFolder, fixture_.work->path().toStdString());
  }

  void thePrintoutBreaksPagesAndNumbersThem() {
    std::vector<PrintedSatellite> groups(3);
    for (size_t g = 0; g < groups.size(); ++g) {
      groups[g].title = "Satellite " + std::to_string(g);
      for (int c = 1; c <= 70; ++c)
        groups[g].channels.push_back({c, "Channel " + std::to_string(c), "TV", "11494 MHz H"});
    }
    const ChannelListPrinter printer(groups, QStringLiteral("list.txt"));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    const int expected = printer.PageCount(writer);
    QVERIFY(expected > 3);  // 210 channels do not fit on three pages
    QCOMPARE(printer.Print(writer), expected);
    buffer.close();
    QCOMPARE(PdfPages(buffer.data()), expected);
  }

  void printPreviewOpensAndCloses() {
    OpenSample();
    bool shown = false;
    uitest::OnNextModal([&](QWidget* w) {
      shown = true;
      qobject_cast<QDialog*>(w)->reject();
    });
    Action(toolcmd::kPrintPreview)->trigger();
    QVERIFY(shown);
  }
};

QTEST_MAIN(ListToolsTest)
#include "list_tools_test.moc"
