// The window as a technician uses it every day: the File menu and a toolbar that stays,
// pictures on every button, channels moved from the keyboard, the rows an edit touched
// in view, columns that show their values whole, the receiver's program numbers, a
// filter that ignores accents and keeps the place, and Tidy Up's cautious defaults.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "listview/ChannelColumns.h"
#include "listview/ListTidy.h"
#include "listview/PrintedList.h"
#include "shell/DocumentCommands.h"
#include "tests/ui/UiTestSupport.h"
#include "tests/ui/WindowFixture.h"
#include "tools/listgen/ListGenerator.h"
#include "ui/CommandIcons.h"
#include "ui/MainWindowWiring.h"
#include "ui/TidyDialog.h"

using namespace lumoscope;
using namespace lumoscope::ui;

namespace {

constexpr int kNameColumn = digitalcol::kName;
// A window this small shows only a few rows, so rows far down are out of sight.
constexpr int kSmallWindowWidth = 700;
constexpr int kSmallWindowHeight = 320;

// Pixels of a picture that are not transparent.
int DrawnPixels(const QIcon& icon) {
  const QImage image = icon.pixmap(24, 24).toImage();
  int drawn = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) drawn += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
  return drawn;
}

}  // namespace

class EverydayWindowTest : public QObject {
  Q_OBJECT

 private:
  uitest::WindowFixture fixture_;

  CMainFrame& Frame() { return fixture_.window->Frame(); }
  ChannelListWidget& List() { return fixture_.window->List(); }
  CLumoscopeListView& View() { return fixture_.window->View(); }
  std::string CopyExample(const char* name) {
    const std::string to = fixture_.WorkFile(name);
    std::filesystem::copy_file(std::string(LUMOSCOPE_SOURCE_DIR) + "/examples/" + name, to);
    return to;
  }
  void Open(const char* example) {
    fixture_.chooser->answers.push_back(CopyExample(example));
    Frame().CommandAction(cmd::kOpen)->trigger();
    List().Flush();
    QVERIFY(List().Model().Rows() > 0);
  }
  QStringList Names() const { return fixture_.ShownColumn(kNameColumn); }
  std::set<int> SelectedRows() {
    std::set<int> rows;
    for (const QModelIndex& i : List().selectionModel()->selectedRows()) rows.insert(i.row());
    return rows;
  }
  bool RowInView(int row) {
    const QRect cell = List().visualRect(List().Model().index(row, 0));
    return cell.isValid() && List().viewport()->rect().contains(cell);
  }
  void SelectOnly(int row) {
    List().ClearSelection();
    List().SelectAndFocus(row);
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&List(), static_cast<Qt::Key>(key), modifiers);
    QCoreApplication::processEvents();  // the commands' enable states follow the keys
    List().Flush();
  }

 private slots:
  void init() {
    QVERIFY(fixture_.Start());
    Frame().activateWindow();
    List().setFocus();
  }
  void cleanup() { fixture_.Stop(); }

  void fileMenuSavesAndTheToolbarStaysShownAfterARestart() {
    Open("sample.txt");
    SelectOnly(0);
    Key(Qt::Key_Delete);
    const QList<QAction*> file = Frame().FileMenu()->actions();
    const auto save = std::find_if(file.begin(), file.end(), [](QAction* a) { return a->text() == "&Save"; });
    QVERIFY(save != file.end());
    QVERIFY((*save)->isEnabled());
    (*save)->trigger();
    std::ifstream saved(fixture_.WorkFile("sample.txt"), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    QVERIFY(text.find("Das Erste HD") == std::string::npos);
    QVERIFY(!View().IsModified());

    QVERIFY(!Frame().ToolBar()->isVisible());  // the first start
    Frame().ToolBar()->toggleViewAction()->trigger();
    QVERIFY(fixture_.OpenWindow());
    QVERIFY(Frame().ToolBar()->isVisible());
    Frame().ToolBar()->toggleViewAction()->trigger();
    QVERIFY(fixture_.OpenWindow());
    QVERIFY(!Frame().ToolBar()->isVisible());
  }

  void everyButtonShowsAPictureOfItsOwn() {
    for (QAction* a : Frame().ToolBar()->actions()) {
      if (a->isSeparator()) continue;
      QVERIFY2(DrawnPixels(a->icon()) > 0, qPrintable(a->toolTip()));
    }
    // This program's drawings stand in for every theme: each draws something, and no two
    // are the same picture.
    QList<QImage> pictures;
    for (int id : CommandsWithIcons()) {
      const QIcon drawn = DrawnCommandIcon(id);
      QVERIFY2(DrawnPixels(drawn) > 0, qPrintable(QString::number(id)));
      const QImage picture = drawn.pixmap(24, 24).toImage();
      QVERIFY2(!pictures.contains(picture), qPrintable(QString::number(id)));
      pictures << picture;
    }
  }

  void ctrlDownAndCtrlMMoveChannelsAndUndoRestoresThem() {
    Open("sample.txt");
    const QStringList before = Names();
    SelectOnly(1);
    Key(Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(Names().mid(0, 3), (QStringList{before[0], before[2], before[1]}));
    QCOMPARE(SelectedRows(), (std::set<int>{2}));
    QTRY_VERIFY(Frame().CommandAction(cmd::kUndo)->text().contains(QLatin1String(kMoveUndoLabel)));
    Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Names(), before);
    QCOMPARE(SelectedRows(), (std::set<int>{1}));

    // Move to Number... asks for the number and puts the row above the row that has it.
    SelectOnly(3);
    uitest::OnNextModal([](QWidget* w) {
      auto* dialog = qobject_cast<QInputDialog*>(w);
      if (dialog == nullptr) return;
      dialog->setIntValue(1);
      dialog->accept();
    });
    Key(Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(Names().first(), before[3]);
    QCOMPARE(SelectedRows(), (std::set<int>{0}));

    // While the filter is on the moves are off, and the status bar says why.
    fixture_.window->Filter().Open();
    fixture_.window->Filter().Field()->setText(QStringLiteral("a"));
    List().setFocus();
    SelectOnly(0);
    Frame().UpdateCommandStates();
    QVERIFY(!Frame().CommandAction(listcmd::kMoveDown)->isEnabled());
    const QStringList filtered = Names();
    Key(Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(Names(), filtered);
    QCOMPARE(Frame().statusBar()->currentMessage(), QString::fromLatin1(kNoMoveWhileFiltered));
  }

  void aNewChannelIsTheSelectedRowInView() {
    Open("sample.txt");
    Frame().resize(kSmallWindowWidth, kSmallWindowHeight);
    QCoreApplication::processEvents();
    SelectOnly(0);
    const int rows = List().Model().Rows();
    uitest::BoxAnswerer answers;  // questions of the transponder search take their defaults
    uitest::OnNextModal([](QWidget* w) {
      auto type = [w](const char* name, const char* text) {
        auto* edit = w->findChild<QLineEdit*>(QString::fromLatin1(name));
        edit->setText(QString::fromLatin1(text));
      };
      type("name", "NEW ONE");
      type("svcId", "1f");
      type("frequency", "11727");
      type("symbolRate", "27500");
      QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
    });
    Key(Qt::Key_F2);
    QCOMPARE(List().Model().Rows(), rows + 1);
    const int added = static_cast<int>(Names().indexOf(QStringLiteral("NEW ONE")));
    QVERIFY(added > 0);
    QCOMPARE(SelectedRows(), (std::set<int>{added}));
    QVERIFY(RowInView(added));
  }

  void columnsShowEveryValueWhole() {
    // A real list (names of many widths), and the stress list (numbers of five digits, and
    // the sections whose Index grows).
    const std::string stress = fixture_.WorkFile("stress.txt");
    std::ofstream(stress, std::ios::binary) << listgen::StressList();
    for (const std::string& list : {CopyExample("europe-digital.txt"), stress}) {
      QVERIFY(fixture_.window->OpenFile(list));
      for (int display : {cmd::kViewDigitalChannels, cmd::kViewChannelSection, cmd::kViewDigitalTps}) {
        Frame().RouteCommand(display);
        List().Flush();
        for (int c = 0; c < List().Model().Columns(); ++c) {
          if (List().isColumnHidden(c)) continue;
          for (int r = 0; r < List().Model().Rows(); ++r)
            QVERIFY2(List().ShowsWhole(r, c),
                     qPrintable(QStringLiteral("%1: display %2 row %3 column %4 \"%5\"")
                                    .arg(QString::fromStdString(list))
                                    .arg(display)
                                    .arg(r)
                                    .arg(c)
                                    .arg(CellText(List().Model().Cell(r, c)))));
        }
      }
    }
  }

  void namesRefitAfterTheNameEncodingChanges() {
    Open("regional-latin1.txt");
    // The widest name: twelve Æ in Latin-1, twelve narrower Ζ in Greek.
    std::vector<std::string>& fields = View().Fields();
    *(std::find(fields.begin(), fields.end(), "CHANNEL START") + 1 + kNameColumn) = std::string(12, '\xC6');
    View().RefreshKeepingNumbers();
    Frame().RouteCommand(cmd::kViewAnalogChannels);
    Frame().RouteCommand(cmd::kViewDigitalChannels);
    List().Flush();
    const int latin = List().columnWidth(kNameColumn);
    View().SetNameEncoding(NameEncoding::Iso8859_7);
    List().Flush();
    const int greek = List().columnWidth(kNameColumn);
    // As wide as a fresh fit of the names as they read now.
    Frame().RouteCommand(cmd::kViewAnalogChannels);
    Frame().RouteCommand(cmd::kViewDigitalChannels);
    List().Flush();
    QCOMPARE(greek, List().columnWidth(kNameColumn));
    QVERIFY(greek != latin);
    for (int r = 0; r < List().Model().Rows(); ++r) QVERIFY(List().ShowsWhole(r, kNameColumn));
  }

  void progNoShowsThePrintedNumbers() {
    Open("sample.txt");
    for (int display : {cmd::kViewDigitalChannels, cmd::kViewAnalogChannels}) {
      Frame().RouteCommand(display);
      List().Flush();
      const bool digital = display == cmd::kViewDigitalChannels;
      const int number = digital ? kDigitalProgramColumn : kAnalogProgramColumn;
      const int name = digital ? digitalcol::kName : analogcol::kName;
      const int blank = digital ? digitalcol::kBlank : analogcol::kBlank;
      QCOMPARE(List().Model().Title(number), std::string(kProgramNumberTitle));
      std::multiset<std::pair<std::string, std::string>> shown;
      for (int r = 0; r < List().Model().Rows(); ++r)
        if (!List().Model().Cell(r, number).empty() && List().Model().Cell(r, blank) != "Y")
          shown.insert({List().Model().Cell(r, number), List().Model().Cell(r, name)});
      std::multiset<std::pair<std::string, std::string>> printed;
      for (const PrintedSatellite& group : BuildPrintedList(View().Fields(), View().Names()))
        for (const PrintedChannel& c : group.channels)
          if (c.tuning.ends_with("analog") != digital) printed.insert({std::to_string(c.number), c.name});
      QVERIFY(!shown.empty());
      QVERIFY(shown == printed);
    }
  }

  void filterIgnoresAccentsAndEscKeepsTheSelectionInView() {
    Open("regional-latin1.txt");
    Frame().resize(kSmallWindowWidth, kSmallWindowHeight);
    FilterBar& filter = fixture_.window->Filter();
    filter.Open();
    filter.Field()->setText(QStringLiteral("sud"));
    QCOMPARE(Names(), QStringList{QStringLiteral("BR S\u00fcd")});
    filter.Field()->setText(QStringLiteral("\u00f63"));  // "ö3" finds "Ö3"
    QCOMPARE(Names().size(), 1);
    const QString chosen = Names().first();
    SelectOnly(0);
    List().setFocus();
    Key(Qt::Key_Escape);
    QVERIFY(!filter.isVisible());
    const QStringList all = Names();
    const int row = static_cast<int>(all.indexOf(chosen));
    QVERIFY(all.size() > 1);
    QCOMPARE(SelectedRows(), (std::set<int>{row}));
    QVERIFY(RowInView(row));
  }

  void homeOnTheFirstRowSelectsIt() {
    Open("sample.txt");
    List().ClearSelection();
    List().selectionModel()->setCurrentIndex(List().Model().index(0, 0), QItemSelectionModel::NoUpdate);
    Key(Qt::Key_Home);
    QCOMPARE(SelectedRows(), (std::set<int>{0}));
  }

  void tidyUpOffersUnusedTranspondersUnticked() {
    Open("sample.txt");
    std::vector<std::string> fields = View().Fields();
    // A transponder no channel uses yet, as Import Transponders leaves them.
    const auto end = std::find(fields.begin(), fields.end(), "DIGITAL END");
    fields.insert(end, {"99", "1", "12000", "27500", "H", "new"});
    const ListFindings findings = FindListProblems(fields, NameCodec());
    QVERIFY(!findings.unusedTransponders.empty());
    TidyDialog dialog(fields, findings, NameCodec());
    QVERIFY(dialog.UnusedTranspondersBox()->isEnabled());
    QVERIFY(!dialog.UnusedTranspondersBox()->isChecked());
    QVERIFY(!dialog.NullChannelsBox()->isChecked());
  }
};

QTEST_MAIN(EverydayWindowTest)
#include "everyday_window_test.moc"
