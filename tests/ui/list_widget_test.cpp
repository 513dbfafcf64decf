// The channel list widget: the list-control contract the list view model relies on,
// checked through an abstract probe, and the widget's hand-over of keys and mouse
// events to the view model (delete, undo, drag moves).
#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>
#include <memory>

#include "listview/ViewCommands.h"
#include "tests/ui/WidgetTestLists.h"
#include "ui/ChannelIcons.h"

using namespace lumoscope;
using lumoscope::test::WiredList;

namespace {

// What the contract checks read back beyond IListControl itself. Any list control
// that the view model drives can be checked through one.
class ControlProbe {
 public:
  virtual ~ControlProbe() = default;
  virtual IListControl& Control() = 0;
  virtual std::string Title(int column) const = 0;
  virtual bool Hidden(int column) const = 0;
  virtual std::string Cell(int row, int column) const = 0;
  virtual int Image(int row) const = 0;
  // Rows that the window shows at once (its height in rows).
  virtual int PageHeight() const = 0;
};

class WidgetProbe final : public ControlProbe {
 public:
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 400;

  WidgetProbe() {
    widget.resize(kWidth, kHeight);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
  }
  IListControl& Control() override { return widget; }
  std::string Title(int column) const override { return widget.Model().Title(column); }
  // What is on screen once the widget had its turn of the event loop.
  bool Hidden(int column) const override {
    widget.Flush();
    return widget.isColumnHidden(column);
  }
  std::string Cell(int row, int column) const override {
    return widget.model()->data(widget.model()->index(row, column)).toString().toStdString();
  }
  int Image(int row) const override { return widget.Model().Image(row); }
  int PageHeight() const override {
    return widget.viewport()->height() / widget.verticalHeader()->defaultSectionSize();
  }

  mutable ui::ChannelListWidget widget;
};

// Columns "A", "B", "C" of widths 50, 0, 70 and `rows` rows "r<i>" / "s<i>" / "t<i>".
void Fill(IListControl& c, int rows) {
  c.DeleteAllItems();
  for (int i = c.ColumnCount() - 1; i >= 0; --i) c.DeleteColumn(i);
  c.InsertColumn(0, "A", 50);
  c.InsertColumn(1, "B", 0);
  c.InsertColumn(2, "C", 70);
  for (int r = 0; r < rows; ++r) {
    c.InsertItem(r, "r" + std::to_string(r), r % 3);
    c.SetItemText(r, 1, "s" + std::to_string(r));
    c.SetItemText(r, 2, "t" + std::to_string(r));
  }
}

// --- The contract, for any probe ---------------------------------------------------------

void CheckColumns(ControlProbe& p) {
  IListControl& c = p.Control();
  Fill(c, 2);
  QCOMPARE(c.ColumnCount(), 3);
  QCOMPARE(p.Title(2), std::string("C"));
  QVERIFY(p.Hidden(1));  // width 0 hides
  QVERIFY(!p.Hidden(0));
  c.InsertColumn(0, "Z", 40);  // an insert in front shifts titles and cells
  QCOMPARE(p.Title(0), std::string("Z"));
  QCOMPARE(p.Title(1), std::string("A"));
  QCOMPARE(p.Cell(1, 1), std::string("r1"));
  QCOMPARE(p.Cell(1, 0), std::string());
  c.DeleteColumn(0);
  c.DeleteColumn(1);
  QCOMPARE(c.ColumnCount(), 2);
  QCOMPARE(p.Title(1), std::string("C"));
  QCOMPARE(p.Cell(0, 1), std::string("t0"));
  QVERIFY(!p.Hidden(1));
}

void CheckRowsAndIcons(ControlProbe& p) {
  IListControl& c = p.Control();
  Fill(c, 5);
  QCOMPARE(c.ItemCount(), 5);
  QCOMPARE(p.Cell(4, 0), std::string("r4"));
  QCOMPARE(p.Cell(4, 2), std::string("t4"));
  QCOMPARE(p.Image(0), kImageTv);
  QCOMPARE(p.Image(1), kImageRadio);
  QCOMPARE(p.Image(2), kImageRecord);
  c.InsertItem(1, "middle", kImageRecord);  // an insert in the middle moves the later rows down
  QCOMPARE(c.ItemCount(), 6);
  QCOMPARE(p.Cell(1, 0), std::string("middle"));
  QCOMPARE(p.Cell(1, 2), std::string());
  QCOMPARE(p.Cell(2, 2), std::string("t1"));
  c.SetItemText(2, 2, "changed");
  QCOMPARE(p.Cell(2, 2), std::string("changed"));
  c.SetItemText(99, 0, "ignored");  // out of range: no effect, no crash
  c.DeleteAllItems();
  QCOMPARE(c.ItemCount(), 0);
  QCOMPARE(c.ColumnCount(), 3);
}

void CheckSelection(ControlProbe& p) {
  IListControl& c = p.Control();
  Fill(c, 10);
  for (int r = 0; r < 10; ++r) QVERIFY(!c.IsSelected(r));
  c.SelectAndFocus(2);
  c.SelectAndFocus(5);  // selecting adds to the selection
  QVERIFY(c.IsSelected(2));
  QVERIFY(c.IsSelected(5));
  QVERIFY(!c.IsSelected(3));
  QVERIFY(!c.IsSelected(-1));
  QVERIFY(!c.IsSelected(10));
  Fill(c, 10);  // a refill starts without a selection
  QVERIFY(!c.IsSelected(2));
  QVERIFY(!c.IsSelected(5));
}

// What an edit changes in place gives the rows a refill would: rows removed, inserted
// (then given their icon and texts) and put in another order, no row selected, and the
// place the list was scrolled to kept.
void CheckChangesInPlace(ControlProbe& p) {
  IListControl& c = p.Control();
  constexpr int kRows = 200;
  Fill(c, kRows);
  c.SelectAndFocus(3);
  c.EnsureVisible(kRows - 1);
  const int top = c.TopIndex();
  c.ClearSelection();
  QVERIFY(!c.IsSelected(3));
  c.DeleteItems(1, 2);  // r0 r3 r4 ...
  c.InsertItems(1, 1);  // r0 _ r3 r4 ...
  QCOMPARE(c.ItemCount(), kRows - 1);
  QCOMPARE(p.Cell(1, 0), std::string());
  c.SetItemImage(1, kImageRadio);
  c.SetItemText(1, 0, "new");
  std::vector<int> reversed(static_cast<size_t>(kRows - 1));
  for (int r = 0; r < kRows - 1; ++r) reversed[static_cast<size_t>(r)] = kRows - 2 - r;
  c.MoveItems(reversed);
  QCOMPARE(p.Cell(kRows - 2, 0), std::string("r0"));
  QCOMPARE(p.Cell(kRows - 3, 0), std::string("new"));
  QCOMPARE(p.Image(kRows - 3), kImageRadio);
  QCOMPARE(p.Cell(kRows - 4, 2), std::string("t3"));
  QCOMPARE(p.Cell(0, 0), std::string("r199"));
  QCOMPARE(c.TopIndex(), std::min(top, c.ItemCount() - c.CountPerPage()));  // as a refill leaves it
  for (int r = 0; r < c.ItemCount(); ++r) QVERIFY(!c.IsSelected(r));
}

void CheckPagesAndScrolling(ControlProbe& p) {
  IListControl& c = p.Control();
  constexpr int kRows = 300;
  Fill(c, kRows);
  const int page = c.CountPerPage();
  QCOMPARE(page, p.PageHeight());
  QVERIFY(page > 2 && page < kRows);
  QCOMPARE(c.TopIndex(), 0);
  c.EnsureVisible(page + 20);  // below the page: it becomes the last whole row
  QCOMPARE(c.TopIndex(), 21);
  c.EnsureVisible(25);  // already visible: nothing moves
  QCOMPARE(c.TopIndex(), 21);
  c.EnsureVisible(5);  // above: it becomes the top row
  QCOMPARE(c.TopIndex(), 5);
  c.EnsureVisible(kRows - 1);
  QCOMPARE(c.TopIndex(), kRows - page);
  Fill(c, kRows);  // a refill keeps the scroll position where it can
  c.EnsureVisible(0);
  QCOMPARE(c.TopIndex(), 0);
}

void CheckRowRectangles(ControlProbe& p) {
  IListControl& c = p.Control();
  Fill(c, 100);
  c.EnsureVisible(50);
  const int top = c.TopIndex();
  const RowRect first = c.ItemRect(top);
  QCOMPARE(first.top, 0);
  QVERIFY(first.bottom > first.top);
  QVERIFY(first.left <= 0);
  const RowRect next = c.ItemRect(top + 1);
  QCOMPARE(next.top, first.bottom);  // rows are stacked without gaps
  QCOMPARE(next.bottom - next.top, first.bottom - first.top);
  QVERIFY(c.ItemRect(top - 1).bottom <= 0);  // scrolled out above: negative positions
  const ClientPoint middle{first.right / 2, (next.top + next.bottom) / 2};
  QVERIFY(next.Contains(middle));
  QVERIFY(!first.Contains(middle));
  const RowRect none = c.ItemRect(100);
  QCOMPARE(none.bottom - none.top, 0);
}

}  // namespace

class ListWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  // --- The list-control contract on the widget
  void columns() {
    WidgetProbe p;
    CheckColumns(p);
  }
  void rowsAndIcons() {
    WidgetProbe p;
    CheckRowsAndIcons(p);
  }
  void selection() {
    WidgetProbe p;
    CheckSelection(p);
  }
  void pagesAndScrolling() {
    WidgetProbe p;
    CheckPagesAndScrolling(p);
  }
  void rowRectangles() {
    WidgetProbe p;
    CheckRowRectangles(p);
  }
  void changesInPlace() {
    WidgetProbe p;
    CheckChangesInPlace(p);
  }

  // --- What only the widget shows
  void iconsHaveBothSizes() {
    for (int image : {kImageTv, kImageRadio, kImageRecord}) {
      const QIcon icon = ui::ChannelIcon(image);
      const QList<QSize> sizes = icon.availableSizes();
      QVERIFY(sizes.contains(QSize(ui::kLargeIconSize, ui::kLargeIconSize)));
      QVERIFY(sizes.contains(QSize(ui::kSmallIconSize, ui::kSmallIconSize)));
    }
    // The three drawings differ from each other.
    const QImage tv = ui::ChannelIcon(kImageTv).pixmap(ui::kSmallIconSize).toImage();
    const QImage radio = ui::ChannelIcon(kImageRadio).pixmap(ui::kSmallIconSize).toImage();
    const QImage record = ui::ChannelIcon(kImageRecord).pixmap(ui::kSmallIconSize).toImage();
    QVERIFY(tv != radio && radio != record && tv != record);
    QVERIFY(ui::ChannelIcon(3).isNull());
  }

  void reportStyle() {
    WidgetProbe p;
    ui::ChannelListWidget& w = p.widget;
    QCOMPARE(w.selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(w.selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY(w.showGrid());
    QCOMPARE(w.editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(w.verticalHeader()->isHidden());
    Fill(w, 3);
    w.Flush();
    QVERIFY(w.model()->data(w.model()->index(0, 0), Qt::DecorationRole).value<QIcon>().isNull() == false);
    QVERIFY(w.model()->data(w.model()->index(0, 2), Qt::DecorationRole).isNull());  // icons in column 0 only
    QCOMPARE(w.columnWidth(2), 70);
  }

  void refillKeepsThePlaceAndAnotherViewStartsAtTheTop() {
    WidgetProbe p;
    Fill(p.widget, 300);
    p.widget.EnsureVisible(200);
    const int top = p.widget.TopIndex();
    Fill(p.widget, 300);  // the same columns again: an edit refilled the view
    p.widget.Flush();
    QCOMPARE(p.widget.TopIndex(), top);
    p.widget.DeleteAllItems();
    p.widget.DeleteColumn(2);
    p.widget.InsertColumn(2, "Other", 60);
    for (int r = 0; r < 300; ++r) p.widget.InsertItem(r, "x", kImageRecord);
    p.widget.Flush();
    QCOMPARE(p.widget.TopIndex(), 0);
  }

  void cutOffNamesShowWholeAsTooltip() {
    WidgetProbe p;
    ui::ChannelListWidget& w = p.widget;
    w.InsertColumn(0, "Name", 120);
    const std::string longName = "A channel name far too long for a column of 120 pixels";
    w.InsertItem(0, longName, kImageTv);
    w.InsertItem(1, "ZDF", kImageTv);
    w.Flush();
    const auto tipAt = [&w](int row) {
      const RowRect r = w.ItemRect(row);
      const QPoint at(40, (r.top + r.bottom) / 2);
      QHelpEvent help(QEvent::ToolTip, at, w.viewport()->mapToGlobal(at));
      QApplication::sendEvent(w.viewport(), &help);
      return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(tipAt(1), QString());  // whole in its column: no tip
    QCOMPARE(tipAt(0), QString::fromStdString(longName));
  }

  void refillKeepsColumnWidthsTheUserChose() {
    WidgetProbe p;
    ui::ChannelListWidget& w = p.widget;
    Fill(w, 5);
    w.Flush();
    w.setColumnWidth(2, 150);  // as a drag on the header divider does
    Fill(w, 5);
    w.Flush();
    QCOMPARE(w.columnWidth(2), 150);
    QVERIFY(w.isColumnHidden(1));
    // New widths from the view model (the detail switch) win.
    w.DeleteAllItems();
    w.DeleteColumn(1);
    w.InsertColumn(1, "B", 90);
    w.Flush();
    QCOMPARE(w.columnWidth(1), 90);
    QCOMPARE(w.columnWidth(2), 70);
  }

  void colorsAndPointer() {
    WidgetProbe p;
    p.widget.SetColors(0x00FF0000, 0x00C0C0C0);  // 0x00BBGGRR: blue text on silver
    QCOMPARE(p.widget.TextColor(), QColor(0, 0, 255));
    QCOMPARE(p.widget.BackgroundColor(), QColor(192, 192, 192));
    p.widget.SetColors(0x00000000, 0x0000FF80);
    QCOMPARE(p.widget.BackgroundColor(), QColor(128, 255, 0));
    p.widget.SetPointer(PointerShape::AppStarting);
    QCOMPARE(p.widget.viewport()->cursor().shape(), Qt::BusyCursor);
    p.widget.SetPointer(PointerShape::Arrow);
    QCOMPARE(p.widget.viewport()->cursor().shape(), Qt::ArrowCursor);
  }

  void refillIsOneModelReset() {
    WidgetProbe p;
    Fill(p.widget, 10);
    p.widget.Flush();
    QSignalSpy resets(p.widget.model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserts(p.widget.model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy changes(p.widget.model(), &QAbstractItemModel::dataChanged);
    Fill(p.widget, 1000);
    QCOMPARE(resets.count(), 0);      // still collecting
    QTRY_COMPARE(resets.count(), 1);  // ended by the event loop
    QCOMPARE(inserts.count(), 0);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(p.widget.horizontalHeader()->count(), 3);
    // Cells changed outside a refill are announced together, once, without a reset.
    p.widget.SetItemText(3, 2, "one cell");
    p.widget.SetItemText(900, 1, "another");
    QCOMPARE(changes.count(), 0);
    QTRY_COMPARE(changes.count(), 1);
    QCOMPARE(resets.count(), 1);
  }

  void cellTextsAreUtf8() {
    // The view model decodes the list's names; the widget shows what it is given.
    QCOMPARE(ui::CellText("ZDF"), QString("ZDF"));
    QCOMPARE(ui::CellText("Rai Due \xc3\xa8"), QString::fromUtf8("Rai Due \xc3\xa8"));
    QCOMPARE(ui::CellText(std::string("a\0b", 3)).size(), 3);
  }

  // --- Keys and mouse through to the view model
  void deleteAndUndoThroughKeys() {
    WiredList list;
    QVERIFY(list.Show());
    list.Load(test::ChannelList({"A", "B", "C", "D", "E"}));
    QWidget* vp = list.widget.viewport();
    QTest::mouseClick(vp, Qt::LeftButton, {}, RowCentre(list.widget, 1));
    QTest::mouseClick(vp, Qt::LeftButton, Qt::ControlModifier, RowCentre(list.widget, 3));
    QTest::keyClick(&list.widget, Qt::Key_Delete);
    QCOMPARE(list.ShownNames(), (std::vector<std::string>{"A", "C", "E"}));
    QCOMPARE(list.widget.Model().Cell(2, 0), std::string("3"));  // renumbered
    QVERIFY(list.widget.IsSelected(1));                          // the first deleted place stays selected
    QCOMPARE(list.view.CommandText(cmd::kUndo), std::string("Undo (1 - Delete Channel)"));

    QTest::keyClick(&list.widget, Qt::Key_Insert);  // a null channel after the selected row
    QCOMPARE(list.ShownNames(), (std::vector<std::string>{"A", "C", "_", "E"}));

    QVERIFY(list.view.ExecuteCommand(cmd::kUndo));
    QVERIFY(list.view.ExecuteCommand(cmd::kUndo));
    QCOMPARE(list.ShownNames(), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
    QVERIFY(!list.view.UndoAvailable());
  }

  void cutAndPasteThroughKeys() {
    WiredList list;
    QVERIFY(list.Show());
    list.Load(test::ChannelList({"A", "B", "C", "D"}));
    QWidget* vp = list.widget.viewport();
    QTest::mouseClick(vp, Qt::LeftButton, {}, RowCentre(list.widget, 0));
    QTest::keyClick(&list.widget, Qt::Key_F3);
    QCOMPARE(list.ShownNames(), (std::vector<std::string>{"B", "C", "D"}));
    QTest::mouseClick(vp, Qt::LeftButton, {}, RowCentre(list.widget, 2));
    QTest::keyClick(&list.widget, Qt::Key_F4);
    QCOMPARE(list.ShownNames(), (std::vector<std::string>{"B", "C", "A", "D"}));
  }

  void keysInASectionViewChangeNothing() {
    WiredList list;
    QVERIFY(list.Show());
    list.Load(test::ChannelList({"A", "B"}));
    QVERIFY(list.view.ExecuteCommand(cmd::kViewChannelSection));
    list.widget.Flush();
    QTest::mouseClick(list.widget.viewport(), Qt::LeftButton, {}, RowCentre(list.widget, 0));
    QTest::keyClick(&list.widget, Qt::Key_Delete);
    QCOMPARE(list.widget.ItemCount(), 2);
    QVERIFY(!list.view.UndoAvailable());
  }

  void sectionCellsAreEditedInPlace() {
    WiredList list;
    QVERIFY(list.Show());
    list.Load(test::ChannelList({"A"}));
    QVERIFY(list.view.ExecuteCommand(cmd::kViewSatellites));
    list.widget.Flush();
    const auto cellCentre = [&list](int column) {
      return list.widget.visualRect(list.widget.model()->index(0, column)).center();
    };
    const auto typeIntoEditor = [&list](const char* text) {
      auto* editor = list.widget.viewport()->findChild<QLineEdit*>();
      QVERIFY(editor != nullptr && editor->isVisible());
      editor->selectAll();
      QTest::keyClicks(editor, text);
      QTest::keyClick(editor, Qt::Key_Return);
    };
    // A double click on a cell edits it in the list itself.
    QTest::mouseDClick(list.widget.viewport(), Qt::LeftButton, {}, cellCentre(1));
    typeIntoEditor("Astra 1N");
    QTRY_COMPARE(list.widget.Model().Cell(0, 1), std::string("Astra 1N"));
    QCOMPARE(list.view.CommandText(cmd::kUndo), std::string("Undo (1 - Edit Satellite)"));

    // F2 edits the current cell; a refused value is told and changes nothing.
    QTest::mouseClick(list.widget.viewport(), Qt::LeftButton, {}, cellCentre(3));
    QTest::keyClick(&list.widget, Qt::Key_F2);
    typeIntoEditor("123");
    QTRY_COMPARE(list.reporter.boxes.size(), size_t{1});
    QCOMPARE(list.widget.Model().Cell(0, 3), std::string("10600"));
    QCOMPARE(list.view.UndoCount(), 1);
  }

  void dragMovesOneRow() {
    WiredList list;
    QVERIFY(list.Show());
    list.Load(test::ChannelList({"A", "B", "C", "D"}));
    // A onto C: A lands directly above C, and the row it landed on is selected.
    Drag(list.widget, 0, 2);
    QCOMPARE(list.ShownNames(), (std::vector<std::string>{"B", "A", "C", "D"}));
    QVERIFY(list.widget.IsSelected(1));
    QCOMPARE(list.widget.Pointer(), PointerShape::Arrow);
    QCOMPARE(list.view.UndoCount(), 1);  // "Move Channel"
    // D onto B.
    Drag(list.widget, 3, 0);
    QCOMPARE(list.ShownNames(), (std::vector<std::string>{"D", "B", "A", "C"}));
  }

  void dragMovesASelectedBlock() {
    WiredList list;
    QVERIFY(list.Show());
    list.Load(test::ChannelList({"A", "B", "C", "D"}));
    QWidget* vp = list.widget.viewport();
    QTest::mouseClick(vp, Qt::LeftButton, {}, RowCentre(list.widget, 1));
    QTest::mouseClick(vp, Qt::LeftButton, Qt::ShiftModifier, RowCentre(list.widget, 2));
    // Pressing on a selected row keeps the block selected; the drag moves all of it.
    Drag(list.widget, 1, 0);
    QCOMPARE(list.ShownNames(), (std::vector<std::string>{"B", "C", "A", "D"}));
    QCOMPARE(list.view.CommandText(cmd::kUndo), std::string("Undo (1 - Group Move)"));
    list.view.Undo();
    QCOMPARE(list.ShownNames(), (std::vector<std::string>{"A", "B", "C", "D"}));
  }

  void dragShowsPointerAndLandingRow() {
    WiredList list;
    QVERIFY(list.Show());
    list.Load(test::ChannelList({"A", "B", "C", "D"}));
    QWidget* vp = list.widget.viewport();
    const QPoint from = RowCentre(list.widget, 0);
    QTest::mousePress(vp, Qt::LeftButton, {}, from);
    QTest::mouseMove(vp, from + QPoint(0, 1));  // within the drag distance: no drag yet
    QVERIFY(!list.view.Dragging());
    QTest::mouseMove(vp, RowCentre(list.widget, 3));
    QVERIFY(list.view.Dragging());
    QCOMPARE(list.widget.Pointer(), PointerShape::AppStarting);
    QCOMPARE(list.widget.DropIndicatorRow(), 3);
    QVERIFY(list.widget.IsSelected(0));  // the sweep over rows 1 to 3 selected nothing
    QVERIFY(!list.widget.IsSelected(2));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, RowCentre(list.widget, 3));
    QCOMPARE(list.widget.Pointer(), PointerShape::Arrow);
    QCOMPARE(list.widget.DropIndicatorRow(), -1);
    QVERIFY(!list.view.Dragging());
  }

  void dragScrollsAtTheEdge() {
    WiredList list;
    QVERIFY(list.Show());
    std::vector<std::string> names;
    for (int i = 0; i < 100; ++i) names.push_back("N" + std::to_string(i));
    list.Load(test::ChannelList(names));
    QWidget* vp = list.widget.viewport();
    // Well below the viewport, also below the partly hidden row after the last whole one.
    const QPoint below(30, vp->height() + 3 * list.widget.rowHeight(0));
    QTest::mousePress(vp, Qt::LeftButton, {}, RowCentre(list.widget, 0));
    QTest::mouseMove(vp, below);
    QTRY_VERIFY(list.widget.TopIndex() > 2);  // held below the list: it scrolls on
    // Released outside every row on the row where it started: nothing moves.
    QTest::mouseRelease(vp, Qt::LeftButton, {}, below);
    QCOMPARE(list.ShownNames(), names);
  }

  void editingKeysWinOverWindowShortcuts() {
    QWidget window;
    auto* action = new QAction(&window);
    action->setShortcut(QKeySequence(Qt::Key_Delete));
    window.addAction(action);
    QSignalSpy triggered(action, &QAction::triggered);
    test::RecordingReporter reporter;
    test::FakeViewDocument document;
    auto* widget = new ui::ChannelListWidget(&window);
    CLumoscopeListView view(*widget, reporter);
    view.SetDocument(&document);
    widget->SetListView(&view);
    widget->resize(WidgetProbe::kWidth, WidgetProbe::kHeight);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    view.Fields() = test::ChannelList({"A", "B"});
    view.RefreshWithRenumber();
    widget->setFocus();
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, RowCentre(*widget, 0));
    QTest::keyClick(widget, Qt::Key_Delete);
    QCOMPARE(widget->ItemCount(), 1);
    QCOMPARE(triggered.count(), 0);
    widget->SetListView(nullptr);
  }

  void pressWithoutAListSelectsNothing() {
    WiredList list;
    QVERIFY(list.Show());
    list.Load(test::ChannelList({"A", "B"}));
    QWidget* vp = list.widget.viewport();
    QTest::mouseClick(vp, Qt::LeftButton, {}, RowCentre(list.widget, 0));
    list.document.loaded = false;
    QTest::mouseClick(vp, Qt::LeftButton, {}, RowCentre(list.widget, 1));
    QVERIFY(!list.widget.IsSelected(1));
    // Nor does a swallowed press swept over the rows.
    QTest::mousePress(vp, Qt::LeftButton, {}, RowCentre(list.widget, 1));
    QTest::mouseMove(vp, RowCentre(list.widget, 0));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, RowCentre(list.widget, 0));
    QVERIFY(list.widget.IsSelected(0));
    QVERIFY(!list.widget.IsSelected(1));
    QVERIFY(!list.view.Dragging());
    list.document.loaded = true;
    QTest::mouseDClick(vp, Qt::LeftButton, {}, RowCentre(list.widget, 1));
    QVERIFY(list.widget.IsSelected(1));  // a double click selects (no dialogs here to open)
    QCOMPARE(list.ShownNames(), (std::vector<std::string>{"A", "B"}));
    QVERIFY(list.reporter.boxes.empty());
  }

 private:
  static QPoint RowCentre(const ui::ChannelListWidget& w, int row) {
    const RowRect r = w.ItemRect(row);
    return {std::max(r.left, 0) + 30, (r.top + r.bottom) / 2};
  }

  // Press on row `from`, move in steps to row `to`, release there.
  static void Drag(ui::ChannelListWidget& w, int from, int to) {
    QWidget* vp = w.viewport();
    const QPoint start = RowCentre(w, from);
    const QPoint end = RowCentre(w, to);
    QTest::mousePress(vp, Qt::LeftButton, {}, start);
    QTest::mouseMove(vp, (start + end) / 2);
    QTest::mouseMove(vp, end);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, end);
  }
};

QTEST_MAIN(ListWidgetTest)
#include "list_widget_test.moc"
