// Finding a channel and seeing the state of the list in the window: the filter field
// (Ctrl+F, typing, Esc) with the status bar's counts, the keyboard search by name, the
// unsaved-changes mark in the title, the recent lists across a restart, a list dropped
// on the window, a message repeated by one load shown once, and columns that fit their
// values.
#include <QAction>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "base/FieldConversions.h"
#include "base/FoldingReporter.h"
#include "database/ListFill.h"
#include "shell/DocumentCommands.h"
#include "tests/ui/UiTestSupport.h"
#include "tests/ui/WindowFixture.h"
#include "ui/MainWindowWiring.h"
#include "ui/RecentListsMenu.h"

using namespace lumoscope;
using namespace lumoscope::ui;

namespace {

const std::string kSample = std::string(LUMOSCOPE_SOURCE_DIR) + "/examples/sample.txt";
constexpr int kSampleDigitalRows = 17;
constexpr int kNameColumn = 5;
constexpr int kBouquetColumn = 14;

}  // namespace

class FindAndStatusTest : public QObject {
  Q_OBJECT

 private:
  uitest::WindowFixture fixture_;

  CMainFrame& Frame() { return fixture_.window->Frame(); }
  ChannelListWidget& List() { return fixture_.window->List(); }
  ListStatusPanes& Panes() { return fixture_.window->StatusPanes(); }
  int Rows() {
    List().Flush();
    return List().Model().Rows();
  }
  QString Name(int row) { return QString::fromStdString(List().Model().Cell(row, kNameColumn)); }
  std::string CopySample(const std::string& name = "sample.txt") {
    const std::string to = fixture_.WorkFile(name);
    std::filesystem::copy_file(kSample, to, std::filesystem::copy_options::overwrite_existing);
    return to;
  }
  void OpenWithDialog(const std::string& path) {
    fixture_.chooser->answers.push_back(path);
    Frame().CommandAction(cmd::kOpen)->trigger();
  }
  void Drop(const std::string& path, bool expectAccepted) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    QApplication::sendEvent(&Frame(), &enter);
    QCOMPARE(enter.isAccepted(), expectAccepted);
    if (!expectAccepted) return;
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Frame(), &drop);
  }

 private slots:
  void init() { QVERIFY(fixture_.Start()); }
  void cleanup() { fixture_.Stop(); }

  void ctrlFFiltersAsTypedAndEscClearsAndHides() {
    QVERIFY(fixture_.window->OpenFile(CopySample()));
    QTRY_COMPARE(Panes().Shown()->text(), QStringLiteral("17 channels"));
    QCOMPARE(Panes().Kinds()->text(), QStringLiteral("9 TV, 5 radio, 3 null"));
    Frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Frame()));
    // The panes read from left to right, after the message pane.
    QTRY_VERIFY(Panes().Shown()->x() < Panes().Kinds()->x() &&
                Panes().Kinds()->x() < Panes().Selection()->x());
    QTest::keyClick(&Frame(), Qt::Key_F, Qt::ControlModifier);
    FilterBar& filter = fixture_.window->Filter();
    QVERIFY(filter.isVisible());
    QTRY_VERIFY(filter.Field()->hasFocus());

    QTest::keyClicks(filter.Field(), QStringLiteral("bbc"));
    QCOMPARE(Rows(), 4);  // BBC One, and the channels of the transponder "BBC Mux"
    QCOMPARE(Name(0), QStringLiteral("BBC One"));
    QTRY_COMPARE(Panes().Shown()->text(), QStringLiteral("Showing 4 of 17"));
    QCOMPARE(Panes().Kinds()->text(), QStringLiteral("1 TV, 2 radio, 1 null"));

    // A row command on the filtered list takes the row shown.
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {},
                      QPoint(30, (List().ItemRect(1).top + List().ItemRect(1).bottom) / 2));
    QTRY_COMPARE(Panes().Selection()->text(), QStringLiteral("1 row selected"));
    QTest::keyClick(&List(), Qt::Key_Delete);
    QCOMPARE(Rows(), 3);
    QCOMPARE((QStringList{Name(0), Name(1), Name(2)}), (QStringList{"BBC One", "_", "Classic FM"}));
    QTRY_COMPARE(Panes().Shown()->text(), QStringLiteral("Showing 3 of 16"));

    QTest::keyClick(filter.Field(), Qt::Key_Escape);
    QVERIFY(!filter.isVisible());
    QCOMPARE(filter.Field()->text(), QString());
    QCOMPARE(Rows(), kSampleDigitalRows - 1);
    QTRY_COMPARE(Panes().Shown()->text(), QStringLiteral("16 channels"));
  }

  void theStatusBarSaysHowFullTheReceiverIs() {
    QVERIFY(fixture_.window->OpenFile(CopySample()));
    QLabel* fill = Panes().Fill();
    const auto shown = [this] {
      return QString::fromStdString(FillStatusText(FillOfList(fixture_.window->View().Fields())));
    };
    QTRY_VERIFY(fill->isVisible());
    QTRY_COMPARE(fill->text(), shown());
    QVERIFY(fill->styleSheet().isEmpty());
    // Padding three times takes the sample past the receiver's memory: the padding stays,
    // a warning says which figures, and the pane turns to its warning.
    uitest::BoxAnswerer boxes;
    QAction* pad = Frame().CommandAction(cmd::kPadToHundreds);
    pad->trigger();
    pad->trigger();
    const ListFill fits = FillOfList(fixture_.window->View().Fields());
    pad->trigger();
    const ListFill over = FillOfList(fixture_.window->View().Fields());
    QVERIFY(fits.Fits() && !over.Fits());
    QTRY_COMPARE(fill->text(), QString::fromStdString(FillStatusText(over)));
    QTRY_COMPARE(boxes.texts, QStringList{QString::fromStdString(
                                  Format(kNoLongerFitsWarning, NewlyOverLimitsText(fits, over).c_str()))});
    QVERIFY(fill->toolTip().contains(QString::fromStdString(FigureText(over.Figures().front()))));
    QVERIFY(!fill->styleSheet().isEmpty());
  }

  void typingInTheListJumpsToTheNextName() {
    QVERIFY(fixture_.window->OpenFile(CopySample()));
    List().setFocus();
    QTest::keyClicks(&List(), QStringLiteral("r"));
    QCOMPARE(List().currentIndex().row(), 7);  // Rai 1
    QTest::keyClicks(&List(), QStringLiteral("ai 2"));
    QCOMPARE(List().currentIndex().row(), 8);
    QCOMPARE(Name(List().currentIndex().row()), QStringLiteral("Rai 2"));
  }

  void titleCarriesTheUnsavedChangesMark() {
    const std::string path = CopySample();
    QVERIFY(fixture_.window->OpenFile(path));
    const QString title = QString::fromStdString("Lumoscope Lite : " + path);
    QCOMPARE(uitest::ShownTitle(Frame()), title);
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {},
                      QPoint(30, (List().ItemRect(0).top + List().ItemRect(0).bottom) / 2));
    QTest::keyClick(&List(), Qt::Key_Delete);
    QTRY_VERIFY(Frame().isWindowModified());
    QCOMPARE(uitest::ShownTitle(Frame()), title + QStringLiteral("*"));
    Frame().CommandAction(cmd::kSave)->trigger();
    QVERIFY(!Frame().isWindowModified());
  }

  void recentListsComeBackAfterARestartAndGoneOnesAreDropped() {
    const std::string first = CopySample("first.txt");
    const std::string second = CopySample("second.txt");
    OpenWithDialog(first);
    OpenWithDialog(second);
    QVERIFY(fixture_.OpenWindow());  // the next start, on the same settings
    QCOMPARE(Rows(), 0);
    RecentListsMenu& recent = Frame().RecentMenu();
    recent.Rebuild();
    QList<QAction*> items = recent.Menu()->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0]->statusTip(), QString::fromStdString(second));
    items[1]->trigger();
    QCOMPARE(Rows(), kSampleDigitalRows);
    QCOMPARE(Frame().Document().CurrentPath(), first);

    std::filesystem::remove(second);
    recent.Rebuild();
    items = recent.Menu()->actions();
    QCOMPARE(items.size(), 1);
    QCOMPARE(items[0]->statusTip(), QString::fromStdString(first));
    QVERIFY(Frame().statusBar()->currentMessage().contains(QStringLiteral("second.txt")));
  }

  void aDroppedListIsOpenedAfterTheUsualQuestion() {
    Drop(fixture_.WorkFile("notes.pdf"), false);
    const std::string dropped = CopySample("dropped.txt");
    Drop(dropped, true);
    QTRY_COMPARE(Rows(), kSampleDigitalRows);
    QCOMPARE(Frame().Document().CurrentPath(), dropped);

    // With unsaved changes the person is asked first; Cancel keeps the list.
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {},
                      QPoint(30, (List().ItemRect(0).top + List().ItemRect(0).bottom) / 2));
    QTest::keyClick(&List(), Qt::Key_Delete);
    QString question;
    uitest::AnswerNextBox(QMessageBox::Cancel, &question);
    Drop(CopySample("other.txt"), true);
    QTRY_COMPARE(question, QStringLiteral("Saveing  Modified Data!!!"));
    QCOMPARE(Frame().Document().CurrentPath(), dropped);
    QCOMPARE(Rows(), kSampleDigitalRows - 1);
  }

  void aMessageRepeatedByOneLoadIsShownOnce() {
    // Three service IDs the list's check lets through but that are no hexadecimal number.
    std::ifstream in(kSample, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    std::vector<int> lines;
    for (const char* id : {"2EFE", "2F1C", "445D"}) {
      const size_t at = text.find(std::string(id) + "     TV");
      text.replace(at, 4, "-2EF");
      lines.push_back(static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n')) +
                      1);
    }
    const std::string path = fixture_.WorkFile("signed.txt");
    std::ofstream(path, std::ios::binary) << text;
    QString shown;
    uitest::AnswerNextBox(QMessageBox::Ok, &shown);
    OpenWithDialog(path);
    QCOMPARE(shown, QString::fromStdString(std::string(kHexConversionMessage) + RepeatSummary(3, lines)));
    QCOMPARE(Rows(), kSampleDigitalRows);
    QCOMPARE(Frame().MessageText()->toPlainText().count(QString::fromLatin1(kHexConversionMessage)), 3);
  }

  void columnsFitTheirValuesAndKeepDraggedWidthsUntilTheNextLoad() {
    const std::string path = CopySample();
    QVERIFY(fixture_.window->OpenFile(path));
    List().Flush();
    QVERIFY(List().columnWidth(0) < 100);  // "Number" is given 100 pixels; its values need less
    const QFontMetrics metrics = List().fontMetrics();
    for (int column : {kNameColumn, kBouquetColumn})
      for (int r = 0; r < Rows(); ++r) {
        const QString cell = QString::fromStdString(List().Model().Cell(r, column));
        QVERIFY2(metrics.horizontalAdvance(cell) < List().columnWidth(column), qPrintable(cell));
      }
    const int fitted = List().columnWidth(kNameColumn);
    List().horizontalHeader()->resizeSection(kNameColumn, fitted + 77);  // as a drag does
    Frame().CommandAction(cmd::kViewAnalogChannels)->trigger();
    Frame().CommandAction(cmd::kViewDigitalChannels)->trigger();
    List().Flush();
    QCOMPARE(List().columnWidth(kNameColumn), fitted + 77);
    QVERIFY(fixture_.window->OpenFile(path));
    List().Flush();
    QCOMPARE(List().columnWidth(kNameColumn), fitted);
  }
};

QTEST_MAIN(FindAndStatusTest)
#include "find_and_status_test.moc"
