// Timings of the channel list widget with a large list (25,000 channels of 20 columns):
// a full refill, and one edit with its repaint. Reported without targets (the window's
// figures of bench/ui/window_bench.cpp carry them); each is the median of five runs.
#include <QtTest>

#include "bench/ui/MedianTimer.h"
#include "tests/ui/WidgetTestLists.h"

using namespace lumoscope;

namespace {

constexpr int kLargeListChannels = 25000;
constexpr int kWindowWidth = 1280;
constexpr int kWindowHeight = 900;
constexpr double kNoTarget = 0;

}  // namespace

class ListWidgetBench : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    list_ = std::make_unique<test::WiredList>();
    QVERIFY(list_->Show(kWindowWidth, kWindowHeight));
    fields_ = test::LargeChannelList(kLargeListChannels);
  }

  // The list view model's whole refresh (renumber, joined tables, refill of every cell)
  // and the first paint of the result.
  void loadAndPaint() {
    bench::TimeFigure(
        "list widget: load and paint 25,000 channels", kNoTarget, [] {},
        [&] {
          list_->Load(fields_);
          list_->widget.viewport()->repaint();
        },
        [] {});
    QCOMPARE(list_->widget.ItemCount(), kLargeListChannels);
  }

  // Only the widget's share of a refill: 25,000 rows of 20 cells through the list-control calls.
  void refillCells() {
    const std::vector<std::string>& rows = list_->view.DigitalRows();
    QVERIFY(rows.size() >= static_cast<size_t>(kLargeListChannels) * kDigitalRowWidth);
    ui::ChannelListWidget& w = list_->widget;
    bench::TimeFigure(
        "list widget: refill of 25,000 rows of 20 cells", kNoTarget, [] {},
        [&] {
          w.DeleteAllItems();
          for (int r = 0; r < kLargeListChannels; ++r) {
            const std::string* row = rows.data() + static_cast<size_t>(r) * kDigitalRowWidth;
            w.InsertItem(r, row[0], kImageTv);
            for (int c = 1; c < kDigitalRowWidth; ++c) w.SetItemText(r, c, row[c]);
          }
          w.Flush();
        },
        [] {});
  }

  // One Delete key on the middle of the list: undo step, refresh and repaint.
  void deleteKeyAndRepaint() {
    list_->Load(fields_);
    ui::ChannelListWidget& w = list_->widget;
    const int middle = kLargeListChannels / 2;
    int after = 0;
    bench::TimeFigure(
        "list widget: Delete key and repaint, 25,000 channels", kNoTarget,
        [&] {
          w.EnsureVisible(middle);
          w.SelectAndFocus(middle);
        },
        [&] {
          QTest::keyClick(&w, Qt::Key_Delete);
          w.viewport()->repaint();
        },
        [&] {
          after = w.ItemCount();
          list_->view.Undo();
          w.Flush();
        });
    QCOMPARE(after, kLargeListChannels - 1);
  }

  void cleanupTestCase() { list_.reset(); }

 private:
  std::unique_ptr<test::WiredList> list_;
  std::vector<std::string> fields_;
};

QTEST_MAIN(ListWidgetBench)
#include "list_widget_bench.moc"
