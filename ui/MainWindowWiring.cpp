#include "ui/MainWindowWiring.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>
#include <array>

#include "shell/ListColours.h"

namespace lumoscope::ui {
namespace {

// Menu texts of the list view's commands that have no prompt of their own. The section
// views carry the section's keyword, which is what a technician sees in the text file.
struct MenuItem {
  int id;
  const char* text;
};

// The satellites' own view keeps its prompt as its text ("View Satellite Infomation").
constexpr std::array<MenuItem, 6> kSectionItems{{
    {cmd::kViewSatNames, "SAT_NAME Section"},
    {cmd::kViewSatellites, nullptr},
    {cmd::kViewDigitalTps, "DIGITAL Section"},
    {cmd::kViewChannelSection, "CHANNEL Section"},
    {cmd::kViewPidSection, "CHANNEL_PID Section"},
    {cmd::kViewAnalogSection, "ANALOG Section"},
}};

constexpr std::array<MenuItem, 4> kSortOptionItems{{
    {cmd::kSortName, "Sort by  Channel Name"},
    {cmd::kToggleRenumber, "Renumber After Sort"},
    {cmd::kToggleAscending, "Ascending Order"},
    {cmd::kToggleGroupMove, "Move Channels by Drag"},
}};

constexpr std::array<MenuItem, 3> kPaddingItems{{
    {cmd::kPadToHundreds, "Pad Groups to Hundreds"},
    {cmd::kRevertPadding, "Revert Padding"},
    {cmd::kToggleDetail, "Detail Columns"},
}};

// The keys the row editing answers, shown beside the commands that post them; the list
// takes the keys itself, so these are hints and not shortcuts.
constexpr std::array<MenuItem, 4> kKeyedItems{{
    {cmd::kEditChannel, "Edit Channel...\tEnter"},
    {cmd::kNewChannel, "Make New Channel\tF2"},
    {cmd::kCut, "Cut Channel\tF3"},
    {cmd::kPaste, "Paste Channel\tF4"},
}};

QMenu* MenuNamed(QMenuBar* bar, const QString& title) {
  for (QAction* a : bar->actions())
    if (a->text() == title) return a->menu();
  return nullptr;
}

}  // namespace

MainWindowWiring::MainWindowWiring(ISettingsStore& settings, std::string uploadPath, IFileChooser* chooser)
    : frame_(std::make_unique<CMainFrame>(settings, uploadPath, chooser)) {
  // The filter field sits above the list, hidden until Ctrl+F.
  auto* central = new QWidget(frame_.get());
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  filterBar_ = new FilterBar(central);
  list_ = new ChannelListWidget(central);
  layout->addWidget(filterBar_);
  layout->addWidget(list_, 1);
  list_->SetEmptyText(
      QStringLiteral("Open a channel list (Ctrl+O), or upload the receiver's list with \"Upload\"."));
  view_ = std::make_unique<CLumoscopeListView>(*list_, frame_->Reporter());
  dialogs_ = std::make_unique<QtChannelDialogs>(frame_->Reporter(), frame_.get());

  view_->SetDocument(&frame_->Document());
  view_->SetUploadFilePath(std::move(uploadPath));
  view_->SetChannelDialogs(dialogs_.get());
  frame_->Document().SetView(view_.get());
  list_->SetListView(view_.get());
  view_->OnInitialUpdate();

  frame_->SetColourSink([this](const ListColours& colours) { ApplyColours(colours); });
  ApplyOptions(frame_->Options());
  frame_->SetOptionsSink([this](const AppOptions& options) { ApplyOptions(options); });
  frame_->SetCentralView(central);
  panes_ = std::make_unique<ListStatusPanes>(*frame_->statusBar(), CMainFrame::kFirstStatusPane);
  view_->SetShownListener([this] {
    fillStale_ = true;
    ScheduleStatusUpdate();
  });
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &MainWindowWiring::ScheduleStatusUpdate);
  connect(filterBar_, &FilterBar::textChanged, this,
          [this](const QString& text) { view_->SetFilter(text.toStdString()); });
  connect(filterBar_, &FilterBar::dismissed, this, [this] {
    view_->SetFilter({});
    list_->setFocus();
  });
  QAction* filter = frame_->EnsureCommandAction(listcmd::kFilter);
  filter->setText(QStringLiteral("&Filter Channels..."));
  filter->setStatusTip(
      QStringLiteral("Show only the rows whose number, name, SVC ID, frequency, bouquet or satellite "
                     "contain a text"));
  filter->setToolTip(filter->statusTip());
  filter->setShortcut(QKeySequence::Find);
  list_->setFocus();
  list_->installEventFilter(this);
  list_->viewport()->installEventFilter(this);

  AddListMenus();
  upkeep_ = new ListUpkeep(*frame_, *view_);
  upkeep_->AddMenus(*frame_->menuBar());
  tools_ = new ListTools(*frame_, *view_, *list_);
  tools_->AddMenus(*frame_->menuBar());
  moves_ = new RowMoves(*frame_, *view_);
  moves_->AddMenus(*frame_->menuBar());
  BindCommands();
}

MainWindowWiring::~MainWindowWiring() {
  view_->SetShownListener(nullptr);
  list_->removeEventFilter(this);
  list_->viewport()->removeEventFilter(this);
  list_->SetListView(nullptr);
  frame_->Document().SetView(nullptr);
  frame_.reset();
}

CommandGroup* MainWindowWiring::GroupOf(int id) const {
  for (CommandGroup* group : {static_cast<CommandGroup*>(upkeep_), static_cast<CommandGroup*>(tools_),
                              static_cast<CommandGroup*>(moves_)})
    if (group->Handles(id)) return group;
  return nullptr;
}

void MainWindowWiring::BindCommands() {
  CMainFrame::ViewCommands commands;
  commands.execute = [this](int id) {
    if (id == listcmd::kFilter) {
      filterBar_->Open();
      return true;
    }
    if (CommandGroup* group = GroupOf(id)) {
      group->Execute(id);
      return true;
    }
    return FindViewCommand(id) != nullptr && view_->ExecuteCommand(id);
  };
  commands.enabled = [this](int id) -> std::optional<bool> {
    if (id == listcmd::kFilter) return view_->IsLoaded();
    if (const CommandGroup* group = GroupOf(id)) return group->IsEnabled(id);
    if (FindViewCommand(id) == nullptr) return std::nullopt;
    return view_->IsCommandEnabled(id);
  };
  commands.checked = [this](int id) -> std::optional<bool> {
    const ViewCommand* c = FindViewCommand(id);
    if (c == nullptr || c->check == CheckRule::None) return std::nullopt;
    return view_->IsCommandChecked(id);
  };
  commands.text = [this](int id) { return view_->CommandText(id); };
  commands.modified = [this] { return view_->IsModified(); };
  frame_->BindViewCommands(std::move(commands));
}

void MainWindowWiring::AddListMenus() {
  QMenuBar* bar = frame_->menuBar();
  auto item = [this](const MenuItem& m) {
    QAction* a = frame_->EnsureCommandAction(m.id);
    if (m.text != nullptr) a->setText(QString::fromLatin1(m.text));
    // A check mark says more in a menu than the toolbar's picture.
    a->setIconVisibleInMenu(false);
    return a;
  };

  if (QMenu* edit = MenuNamed(bar, QStringLiteral("&Edit"))) {
    edit->addSeparator();
    for (const MenuItem& m : kKeyedItems) edit->addAction(item(m));
    edit->addSeparator();
    edit->addAction(frame_->EnsureCommandAction(cmd::kUndo));
    QAction* redo = frame_->EnsureCommandAction(cmd::kRedo);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addAction(redo);
    edit->addSeparator();
    QMenu* sort = edit->addMenu(QStringLiteral("&Sort"));
    sort->addAction(frame_->EnsureCommandAction(cmd::kSortSatTypeName));
    sort->addAction(frame_->EnsureCommandAction(cmd::kSortSatTypeFreqName));
    sort->addAction(frame_->EnsureCommandAction(cmd::kSortSatTypeBouquetName));
    sort->addSeparator();
    for (const MenuItem& m : kSortOptionItems) sort->addAction(item(m));
    connect(sort, &QMenu::aboutToShow, frame_.get(), &CMainFrame::UpdateCommandStates);
    edit->addSeparator();
    for (const MenuItem& m : kPaddingItems) edit->addAction(item(m));
  }

  if (QMenu* view = MenuNamed(bar, QStringLiteral("&View"))) {
    view->addSeparator();
    // The button bar has one button for each kind of channel; the menu has one item that
    // names the kind it switches to.
    view->addAction(frame_->EnsureCommandAction(cmd::kToggleDigitalAnalog));
    view->addAction(frame_->EnsureCommandAction(listcmd::kFilter));
    QMenu* sections = view->addMenu(QStringLiteral("S&ections"));
    for (const MenuItem& m : kSectionItems) sections->addAction(item(m));
    connect(sections, &QMenu::aboutToShow, frame_.get(), &CMainFrame::UpdateCommandStates);
  }
}

int MainWindowWiring::CurrentViewCommand() const {
  if (view_->ViewType() == 0)
    return view_->ShowDigital() ? cmd::kViewDigitalChannels : cmd::kViewAnalogChannels;
  for (const ViewCommand& c : ViewCommands())
    if (c.action == ViewAction::ShowView && c.viewType == view_->ViewType()) return c.id;
  return cmd::kViewDigitalChannels;
}

void MainWindowWiring::ApplyColours(const ListColours& colours) {
  list_->SetColors(colours.text, colours.background);
  // After the option dialog the rows are drawn again by showing the same display anew;
  // at the first display there is nothing to redraw yet.
  if (coloursApplied_) view_->ExecuteCommand(CurrentViewCommand());
  coloursApplied_ = true;
}

void MainWindowWiring::ApplyOptions(const AppOptions& options) {
  view_->SetUndoDepth(options.undoSteps);
  view_->SetNameEncoding(options.nameEncoding);
}

bool MainWindowWiring::OpenFile(const std::string& path) {
  const bool ok = frame_->Document().OpenFile(path);
  frame_->UpdateCommandStates();
  return ok;
}

void MainWindowWiring::ScheduleCommandUpdate() {
  if (updatePending_) return;
  updatePending_ = true;
  QTimer::singleShot(0, this, [this] {
    updatePending_ = false;
    frame_->UpdateCommandStates();
  });
}

void MainWindowWiring::ScheduleStatusUpdate() {
  if (statusPending_) return;
  statusPending_ = true;
  QTimer::singleShot(0, this, [this] {
    statusPending_ = false;
    UpdateStatus();
  });
}

void MainWindowWiring::UpdateStatus() {
  list_->Flush();
  const ListCounts counts = view_->Counts();
  panes_->Show(counts);
  // The fill follows the list, not the selection: counted again only after a change.
  if (fillStale_) {
    fillStale_ = false;
    const bool loaded = counts.display != ListCounts::Display::Nothing;
    const ListFill fill = loaded ? FillOfList(view_->Fields()) : ListFill();
    panes_->ShowFill(loaded ? &fill : nullptr);
  }
  frame_->setWindowModified(view_->IsModified());
}

bool MainWindowWiring::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Show:
      if (watched == list_ && !coloursApplied_) frame_->ApplySavedColours();
      break;
    case QEvent::KeyPress:
      // Esc in the list also clears the filter and hides its field.
      if (watched == list_ && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
          filterBar_->isVisible()) {
        filterBar_->Dismiss();
        return true;
      }
      ScheduleCommandUpdate();
      break;
    case QEvent::MouseButtonRelease:
      // Keys and drops change the list, and with it Undo's text and what is enabled.
      ScheduleCommandUpdate();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace lumoscope::ui
