// The window's Order Like, Tidy Up, Compare With and Compare With Receiver: reachable from
// the Edit menu once a list is open, each change one undo step, and the dialogs showing
// what they are about.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "listview/ChannelIdentity.h"
#include "listview/ListDiff.h"
#include "shell/DocumentCommands.h"
#include "tests/ui/UiTestSupport.h"
#include "tests/ui/WindowFixture.h"
#include "tools/receiver-sim/ReceiverSim.h"
#include "transfer/PosixLinkFactory.h"
#include "ui/CompareDialog.h"
#include "ui/TidyDialog.h"

using namespace lumoscope;
using namespace lumoscope::ui;

namespace {

const std::string kExamples = std::string(LUMOSCOPE_SOURCE_DIR) + "/examples/";
constexpr int kUpkeepCommands[] = {upkeepcmd::kOrderLike, upkeepcmd::kTidyUp, upkeepcmd::kCompareWith,
                                   upkeepcmd::kCompareWithReceiver};
// Short bounds on a silent receiver, long enough for a loaded machine.
constexpr LinkBounds kTestLinkBounds{500'000, 100'000};
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

  void comparesWithTheReceiverAfterADownloadAndOpensTheReceiversList() {
    OpenSample();
    PosixLinkFactory factory{kTestLinkBounds};
    Frame().Document().SetLinkFactory(&factory);
    sim::ReceiverSimulator receiver{sim::SimOptions{}};
    QVERIFY(receiver.Open());
    Frame().Options().portNumber = 1;
    Frame().Options().devicePaths[0] = receiver.DevicePath();
    receiver.Start();
    // Every question is answered Yes (the offer after the download once the receiver was
    // switched off and on), every message OK; the comparison's dialog is closed, or opens
    // the receiver's list.
    const QString offer = QString::fromStdString(WithUploadPrompt(kAfterDownloadQuestion));
    QStringList boxes;
    int rows = -1;
    bool openReceiverList = false;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, this, [&] {
      QWidget* w = QApplication::activeModalWidget();
      if (w == nullptr || !w->isVisible()) return;
      if (auto* box = qobject_cast<QMessageBox*>(w)) {
        boxes << box->text();
        if (box->text() == offer) receiver.PowerCycle();
        QAbstractButton* yes = box->button(QMessageBox::Yes);
        (yes != nullptr ? yes : box->buttons().value(0))->click();
      } else if (auto* dialog = qobject_cast<CompareDialog*>(w)) {
        rows = dialog->Changes()->topLevelItemCount();
        dialog->done(openReceiverList ? CompareDialog::kActionChosen : QDialog::Rejected);
      }
    });
    answerer.start(5);

    Action(cmd::kDownloadCurrentList)->trigger();
    QVERIFY2(boxes.contains(offer), qPrintable(boxes.join("|")));
    QCOMPARE(rows, 0);

    // A channel renamed on the receiver; the command asks for the receiver to be ready.
    std::string edited = receiver.ChannelList();
    edited.replace(edited.find("\"ZDF HD\""), 8, "\"ZDF 2\"");
    receiver.SetChannelList(edited);
    boxes.clear();
    openReceiverList = true;
    Action(upkeepcmd::kCompareWithReceiver)->trigger();
    receiver.Stop();
    QVERIFY(boxes.contains(QString::fromStdString(WithUploadPrompt(kReceiverReadyQuestion))));
    QCOMPARE(rows, 1);
    // The receiver's list is open as an uploaded one (its Save As cancelled here).
    QCOMPARE(Frame().Document().CurrentPath(), Frame().Document().UploadPath());
    QVERIFY(std::find(Fields().begin(), Fields().end(), "ZDF 2") != Fields().end());
  }
};

QTEST_MAIN(ListUpkeepTest)
#include "list_upkeep_test.moc"
