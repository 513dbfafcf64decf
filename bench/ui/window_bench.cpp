// Timings of the whole window with the stress list (the format's table limits): start-up
// to a painted window with the list loaded, one edit and one undo with their repaint
// (target under 8 ms each: an edit must never miss a 60 Hz frame), and one keystroke in
// the filter field (within a 16 ms frame). Each figure is the median of five runs.
#include <QLineEdit>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "bench/ui/MedianTimer.h"
#include "tests/ui/UiTestSupport.h"
#include "tools/listgen/ListGenerator.h"
#include "ui/MainWindowWiring.h"
#include "ui/QtSettingsStore.h"

using namespace lumoscope;
using namespace lumoscope::ui;

namespace {

constexpr double kEditTargetMs = 8;
constexpr double kFrameMs = 16;
constexpr double kNoTarget = 0;

}  // namespace

class WindowBench : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    settingsDir_ = std::make_unique<uitest::PrivateSettings>();
    store_ = std::make_unique<QtSettingsStore>();
    QVERIFY(work_.isValid());
    stressPath_ = (work_.path() + QStringLiteral("/stress.txt")).toStdString();
    std::ofstream(stressPath_, std::ios::binary) << listgen::StressList();
  }

  // From nothing to the maximised window painted with the stress list in it.
  void startUpWithStressList() {
    std::unique_ptr<MainWindowWiring> window;
    int rows = 0;
    bench::TimeFigure(
        "window start-up with the stress list", kNoTarget, [&] { window.reset(); },
        [&] {
          window = std::make_unique<MainWindowWiring>(*store_, UploadPath());
          window->Frame().showMaximized();
          window->OpenFile(stressPath_);
          window->List().Flush();
          window->Frame().repaint();
        },
        [&] { rows = window->List().ItemCount(); });
    QVERIFY(rows > 0);
  }

  // One Delete key in the middle of the stress list: undo step, refresh and repaint; and
  // Ctrl+Z bringing the row back.
  void deleteAndUndoWithRepaint() {
    MainWindowWiring window(*store_, UploadPath());
    window.Frame().showMaximized();
    QVERIFY(window.OpenFile(stressPath_));
    ChannelListWidget& list = window.List();
    const int rows = list.ItemCount();
    const auto selectMiddle = [&] {
      list.EnsureVisible(rows / 2);
      list.SelectAndFocus(rows / 2);
    };
    const auto deleteKey = [&] {
      QTest::keyClick(&list, Qt::Key_Delete);
      list.viewport()->repaint();
    };
    const auto undo = [&] {
      window.View().ExecuteCommand(cmd::kUndo);
      list.viewport()->repaint();
    };
    int afterDelete = 0;
    bench::TimeFigure("window: Delete key and repaint (stress list)", kEditTargetMs, selectMiddle, deleteKey,
                      [&] {
                        afterDelete = list.ItemCount();
                        undo();
                      });
    QCOMPARE(afterDelete, rows - 1);
    bench::TimeFigure(
        "window: Undo and repaint (stress list)", kEditTargetMs,
        [&] {
          selectMiddle();
          deleteKey();
        },
        undo, [] {});
    QCOMPARE(list.ItemCount(), rows);
  }

  // One keystroke in the filter field: the rows shown decided, the list refilled and
  // repainted. The text grows letter by letter to "chan 12" and starts again, so the
  // figure mixes the wide first letters with the narrow last ones.
  void filterKeystrokeAndRepaint() {
    MainWindowWiring window(*store_, UploadPath());
    window.Frame().showMaximized();
    QVERIFY(window.OpenFile(stressPath_));
    window.Filter().Open();
    QLineEdit* field = window.Filter().Field();
    const QString typed = QStringLiteral("chan 12");
    constexpr int kKeystrokes = 16;
    bench::TimeFigure(
        "window: filter keystroke and repaint (stress list)", kFrameMs, [] {},
        [&] {
          const qsizetype next = field->text().size() == typed.size() ? 0 : field->text().size() + 1;
          field->setText(typed.left(next));
          window.List().Flush();
          window.List().viewport()->repaint();
        },
        [] {}, kKeystrokes);
    QVERIFY(window.View().Filtered() || field->text().isEmpty());
  }

  void cleanupTestCase() {
    store_.reset();
    settingsDir_.reset();
  }

 private:
  std::string UploadPath() const { return (work_.path() + QStringLiteral("/VXRupload.txt")).toStdString(); }

  std::unique_ptr<uitest::PrivateSettings> settingsDir_;
  std::unique_ptr<QtSettingsStore> store_;
  QTemporaryDir work_;
  std::string stressPath_;
};

QTEST_MAIN(WindowBench)
#include "window_bench.moc"
