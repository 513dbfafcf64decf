// The window's Order Like, Tidy Up and Compare With: reachable from the Edit menu once a
// list is open, each change one undo step, and the dialogs showing what they are about.
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>

#include "listview/ChannelIdentity.h"
#include "listview/ListDiff.h"
#include "tests/ui/UiTestSupport.h"
#include "tests/ui/WindowFixture.h"
#include "ui/CompareDialog.h"
#include "ui/TidyDialog.h"

using namespace lumoscope;
using namespace lumoscope::ui;

namespace {

const std::string kExamples = std::string(LUMOSCOPE_SOURCE_DIR) + "/examples/";
constexpr int kUpkeepCommands[] = {upkeepcmd::kOrderLike, upkeepcmd::kTidyUp, upkeepcmd::kCompareWith};
constexpr int kSampleNullChannels = 4;  // three digital, one analog

}  // namespace

class ListUpkeepTest : public QObject {
  Q_OBJECT

 private:
  uitest::WindowFixture fixture_;

  CMainFrame& Frame() { return fixture_.window->Frame(); }
  QAction* Action(int id) { return Frame().CommandAction(id); }
  std::vector<std::string>& Fields() { return fixture_.window->View().Fields(); }
  std::string CopyExample(const char* name) {
    const std::string to = fixture_.WorkFile(name);
    std::filesystem::copy_file(kExamples + name, to, std::filesystem::copy_options::overwrite_existing);
    return to;
  }
  void OpenSample() { QVERIFY(fixture_.window->OpenFile(CopyExample("sample.txt"))); }

 private slots:
  void init() { QVERIFY(fixture_.Start()); }
  void cleanup() { fixture_.Stop(); }

  void commandsAreInTheEditMenuAndNeedAList() {
    QMenu* edit = nullptr;
    for (QAction* a : Frame().menuBar()->actions())
      if (a->text() == QStringLiteral("&Edit")) edit = a->menu();
    QVERIFY(edit != nullptr);
    for (int id : kUpkeepCommands) {
      QVERIFY(edit->actions().contains(Action(id)));
      QVERIFY(!Action(id)->isEnabled());
    }
    OpenSample();
    for (int id : kUpkeepCommands) QVERIFY(Action(id)->isEnabled());
  }

  void orderLikeANamesFileIsOneUndoStepAndReports() {
    OpenSample();
    const std::vector<std::string> before = Fields();
    const std::string names = fixture_.WorkFile("names");
    // Starting with the byte order mark some editors write.
    std::ofstream(names) << "\xEF\xBB\xBF"
                            "bbc one\nZDF HD\nNo Such Channel\n";
    fixture_.chooser->answers.push_back(names);
    Action(upkeepcmd::kOrderLike)->trigger();
    const std::vector<ChannelEntry> order = ReadChannels(Fields(), NameCodec()).channels;
    QCOMPARE(order.at(0).name, std::string("BBC One"));
    QCOMPARE(order.at(1).name, std::string("ZDF HD"));
    QVERIFY(Frame().MessageText()->toPlainText().contains(QStringLiteral("No Such Channel")));
    QCOMPARE(fixture_.window->View().UndoCount(), 1);
    Action(cmd::kUndo)->trigger();
    QVERIFY(Fields() == before);
  }

  void tidyUpShowsWhatWillGoBeforeRemovingIt() {
    OpenSample();
    const std::vector<std::string> before = Fields();
    int previewLines = 0;
    QList<bool> offered;  // duplicates, unused transponders, null channels enabled; null checked; Remove
    uitest::OnNextModal([&](QWidget* w) {
      auto* dialog = qobject_cast<TidyDialog*>(w);
      if (dialog == nullptr) return;
      offered = {dialog->DuplicatesBox()->isEnabled(), dialog->UnusedTranspondersBox()->isEnabled(),
                 dialog->NullChannelsBox()->isEnabled(), dialog->NullChannelsBox()->isChecked(),
                 dialog->RemoveButton()->isEnabled()};
      dialog->NullChannelsBox()->setChecked(true);
      previewLines =
          static_cast<int>(dialog->Preview()->toPlainText().trimmed().count(QLatin1Char('\n'))) + 1;
      dialog->RemoveButton()->click();
    });
    Action(upkeepcmd::kTidyUp)->trigger();
    // The sample has nothing but null channels, which are never offered checked.
    QCOMPARE(offered, (QList<bool>{false, false, true, false, false}));
    QCOMPARE(previewLines, kSampleNullChannels);
    QVERIFY(FindListProblems(Fields(), NameCodec()).Clean());
    QCOMPARE(fixture_.window->View().UndoCount(), 1);
    Action(cmd::kUndo)->trigger();
    QVERIFY(Fields() == before);
  }

  void compareWithListsEveryChangeAndSaysWhenThereIsNone() {
    OpenSample();
    for (const char* other : {"sample.txt", "europe-digital.txt"}) {
      fixture_.chooser->answers.push_back(CopyExample(other));
      int rows = -1;
      QString summary;
      uitest::OnNextModal([&](QWidget* w) {
        auto* dialog = qobject_cast<CompareDialog*>(w);
        if (dialog == nullptr) return;
        rows = dialog->Changes()->topLevelItemCount();
        summary = dialog->Summary()->text();
        dialog->reject();
      });
      Action(upkeepcmd::kCompareWith)->trigger();
      const ListDifferences expected = CompareLists(Fields(), Fields(), NameCodec());
      if (std::string(other) == "sample.txt") {
        QCOMPARE(rows, 0);
        QCOMPARE(summary, QString::fromStdString(DifferencesSummary(expected)));
      } else {
        QVERIFY(rows > 0);
        QVERIFY(summary != QString::fromStdString(DifferencesSummary(expected)));
      }
    }
  }
};

QTEST_MAIN(ListUpkeepTest)
#include "list_upkeep_test.moc"
