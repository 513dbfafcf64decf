#include "ui/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QWhatsThis>
#include <algorithm>

#include "shell/DocumentCommands.h"
#include "shell/EditingSettings.h"
#include "shell/PortSettings.h"
#include "shell/SettingsKeys.h"
#include "ui/AboutDialog.h"
#include "ui/AppIcon.h"
#include "ui/CommandIcons.h"
#include "ui/CommandLayout.h"
#include "ui/FrameReporter.h"
#include "ui/LockKeyState.h"
#include "ui/OptionDialog.h"
#include "ui/QtFileChooser.h"
#include "ui/RecentListsMenu.h"
#include "ui/TransferStopper.h"

namespace lumoscope::ui {
namespace {

// The un-maximised window leaves this much of the screen free, in pixels.
constexpr int kRestoredWidthMargin = 100;
constexpr int kRestoredHeightMargin = 50;
// How often the lock indicators follow the keyboard, in milliseconds.
constexpr int kLockPollMs = 250;
// Where the title shows the unsaved-changes mark.
constexpr const char* kModifiedMark = "[*]";
constexpr const char* kListExtension = ".txt";
constexpr const char* kQuitPrompt = "Quit the application";

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}
QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The first local ".txt" file among dropped ones.
std::optional<std::string> DroppedList(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return std::nullopt;
  for (const QUrl& url : data->urls()) {
    const QString path = url.toLocalFile();
    if (!path.isEmpty() && path.endsWith(QLatin1String(kListExtension), Qt::CaseInsensitive))
      return QFile::encodeName(path).toStdString();
  }
  return std::nullopt;
}

std::string_view ViewCommandPrompt(int id) {
  for (const ViewCommandText& t : kViewCommandTexts)
    if (t.id == id) return t.prompt;
  return {};
}

}  // namespace

CMainFrame::CMainFrame(ISettingsStore& settings, std::string uploadPath, IFileChooser* chooser,
                       QWidget* parent)
    : QMainWindow(parent), settings_(settings) {
  setWindowTitle(QString::fromLatin1(kAppTitle) + QLatin1String(kModifiedMark));
  setAcceptDrops(true);
  setWindowIcon(AppIcon());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect s = screen->availableGeometry();
    setGeometry(s.left(), s.top(), s.width() - kRestoredWidthMargin, s.height() - kRestoredHeightMargin);
  }

  if (chooser == nullptr) {
    ownChooser_ = std::make_unique<QtFileChooser>(settings_, this);
    chooser = ownChooser_.get();
  }
  chooser_ = chooser;
  LoadPortOptions(settings_, options_);
  LoadEditingOptions(settings_, options_);
  CreateStatusBar();
  reporter_ = std::make_unique<FrameReporter>(*this, *readyLabel_);
  folding_ = std::make_unique<FoldingReporter>(*reporter_);
  stopper_ = new TransferStopper(*statusBar());
  linkFactory_.SetCancel(stopper_);
  doc_ = std::make_unique<CLumoscopeDoc>(*folding_, options_, settings_, *chooser, std::move(uploadPath));
  doc_->SetLinkFactory(&linkFactory_);
  doc_->SetTitleSink(
      [this](const std::string& title) { setWindowTitle(Q(title) + QLatin1String(kModifiedMark)); });

  auto* placeholder = new QLabel(
      QStringLiteral("Open a channel list (Ctrl+O), or upload the receiver's list with \"Upload\"."), this);
  placeholder->setAlignment(Qt::AlignCenter);
  placeholder->setEnabled(false);
  setCentralWidget(placeholder);

  CreateActions();
  CreateToolBar();
  CreateButtonBar();
  RestoreToolBar();
  CreateMenus();
  UpdateCommandStates();
}

CMainFrame::~CMainFrame() {
  // The toolbar goes with the window's base part, after this part: it must not report
  // to it any more.
  disconnect(toolBar_->toggleViewAction(), nullptr, this, nullptr);
  disconnect(toolBar_, nullptr, this, nullptr);
}

IReporter& CMainFrame::Reporter() {
  return *folding_;
}

QDockWidget* CMainFrame::MessageWindow() const {
  return reporter_->MessageWindow();
}
QPlainTextEdit* CMainFrame::MessageText() const {
  return reporter_->MessageText();
}
QProgressBar* CMainFrame::TransferProgress() const {
  return reporter_->TransferProgress();
}
QProgressBar* CMainFrame::FrameProgress() const {
  return reporter_->FrameProgress();
}

// ---------------------------------------------------------------------------
// Commands

QAction* CMainFrame::MakeAction(int id) {
  if (auto it = actions_.find(id); it != actions_.end()) return it->second;
  auto* action = new QAction(this);
  std::string_view prompt;
  std::string_view tip;
  if (const CommandInfo* info = FindCommand(id)) {
    prompt = info->prompt;
    tip = info->toolTip;
  } else {
    prompt = tip = ViewCommandPrompt(id);
  }
  action->setText(Q(tip.empty() ? prompt : tip));
  action->setStatusTip(Q(prompt));
  action->setToolTip(Q(tip.empty() ? prompt : tip));
  action->setIcon(CommandIcon(id));
  action->setData(id);
  connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
  addAction(action);  // keys work while the toolbar is hidden
  actions_[id] = action;
  return action;
}

void CMainFrame::CreateActions() {
  for (const CommandInfo& c : DocumentCommandTable()) MakeAction(c.id);
  MakeAction(kQuitCommand);
  for (const CommandInfo& c : FrameCommandTable()) MakeAction(c.id);
  for (const ViewCommandText& t : kViewCommandTexts) MakeAction(t.id);
  MakeAction(kPrintCommand)->setText(QStringLiteral("Print"));
  actions_[kPrintCommand]->setToolTip(QStringLiteral("Print"));

  actions_[cmd::kOpen]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  actions_[cmd::kSave]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  actions_[kQuitCommand]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  actions_[kQuitCommand]->setText(QStringLiteral("&Quit"));
  actions_[kQuitCommand]->setStatusTip(QString::fromLatin1(kQuitPrompt));
  actions_[kQuitCommand]->setToolTip(QString::fromLatin1(kQuitPrompt));
  // How the File menu names them; the toolbar shows their pictures and tool tips.
  actions_[cmd::kOpen]->setText(QStringLiteral("&Open..."));
  actions_[cmd::kSave]->setText(QStringLiteral("&Save"));
  actions_[cmd::kSaveAs]->setText(QStringLiteral("Save &As..."));
  actions_[viewcmd::kUndo]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  actions_[viewcmd::kInsertNullChannel]->setText(QStringLiteral("&Insert Null Channel"));
  actions_[viewcmd::kDeleteChannel]->setText(QStringLiteral("&Delete Channel"));
}

void CMainFrame::CreateMenus() {
  QMenuBar* bar = menuBar();
  // Where a person looks first for Open and Save; the receiver editor's own items follow.
  fileMenu_ = bar->addMenu(QStringLiteral("&File"));
  connect(fileMenu_, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
  // A top-level item of its own: the menu bar would show the command's icon instead of
  // its name. It follows the command's enable state.
  QAction* openItem = bar->addAction(QStringLiteral("&Open"));
  openItem->setStatusTip(actions_[cmd::kOpen]->statusTip());
  connect(openItem, &QAction::triggered, this, [this] { RouteCommand(cmd::kOpen); });
  connect(actions_[cmd::kOpen], &QAction::enabledChanged, openItem, &QAction::setEnabled);
  recentMenu_ = new RecentListsMenu(*bar, doc_->Recent(), Reporter(),
                                    [this](const std::string& path) { OpenListFile(path); });
  fileMenu_->addAction(actions_[cmd::kOpen]);
  fileMenu_->addMenu(recentMenu_->Menu());
  fileMenu_->addSeparator();
  fileMenu_->addAction(actions_[cmd::kSave]);
  fileMenu_->addAction(actions_[cmd::kSaveAs]);
  fileMenuEnd_ = fileMenu_->addSeparator();
  fileMenu_->addAction(actions_[kQuitCommand]);
  QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
  edit->addAction(actions_[viewcmd::kInsertNullChannel]);
  edit->addAction(actions_[viewcmd::kDeleteChannel]);
  connect(edit, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
  QMenu* view = bar->addMenu(QStringLiteral("&View"));
  connect(view, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
  view->addAction(toolBar_->toggleViewAction());
  view->addAction(buttonBar_->toggleViewAction());
  view->addAction(MessageWindow()->toggleViewAction());
  auto* exit = bar->addAction(QStringLiteral("E&xit"));
  exit->setStatusTip(QString::fromLatin1(kQuitPrompt));
  connect(exit, &QAction::triggered, this, &QWidget::close);
}

void CMainFrame::CreateToolBar() {
  toolBar_ = new QToolBar(QStringLiteral("Toolbar"), this);
  toolBar_->setObjectName(QStringLiteral("ToolBar"));
  addToolBar(Qt::TopToolBarArea, toolBar_);
  for (int id : kToolbarLayout) {
    if (id == kSeparator) {
      toolBar_->addSeparator();
    } else if (id == kContextHelpCommand) {
      QAction* help = QWhatsThis::createAction(toolBar_);
      help->setIcon(CommandIcon(kContextHelpCommand));
      help->setStatusTip(QStringLiteral("Display help for clicked on buttons, menus and windows"));
      toolBar_->addAction(help);
    } else {
      toolBar_->addAction(MakeAction(id));
    }
  }
  toolBar_->hide();
}

void CMainFrame::RestoreToolBar() {
  // The first start keeps the toolbar hidden; after that it is where the person left it.
  if (settings_.GetInt(settings::kWindowSection, settings::kToolbarShownKey, 0) != 0) toolBar_->show();
  const int area = settings_.GetInt(settings::kWindowSection, settings::kToolbarAreaKey, Qt::TopToolBarArea);
  if (area != Qt::TopToolBarArea && (area & Qt::AllToolBarAreas) != 0)
    addToolBar(static_cast<Qt::ToolBarArea>(area), toolBar_);
  connect(toolBar_->toggleViewAction(), &QAction::toggled, this, &CMainFrame::RememberToolBar);
  connect(toolBar_, &QToolBar::topLevelChanged, this, &CMainFrame::RememberToolBar);
  connect(toolBar_, &QToolBar::orientationChanged, this, &CMainFrame::RememberToolBar);
}

void CMainFrame::RememberToolBar() {
  // The View menu's switch says whether the person wants it, whatever hides the window.
  settings_.SetInt(settings::kWindowSection, settings::kToolbarShownKey,
                   toolBar_->toggleViewAction()->isChecked() ? 1 : 0);
  settings_.SetInt(settings::kWindowSection, settings::kToolbarAreaKey, toolBarArea(toolBar_));
}

void CMainFrame::CreateButtonBar() {
  buttonBar_ = new QToolBar(QStringLiteral("Button Bar"), this);
  buttonBar_->setObjectName(QStringLiteral("ButtonBar"));
  buttonBar_->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
  buttonBar_->setFloatable(false);
  auto* panel = new QWidget(buttonBar_);
  auto* grid = new QGridLayout(panel);
  auto addRow = [&](const auto& row, int rowIndex) {
    for (size_t i = 0; i < row.size(); ++i) {
      auto* button = new QPushButton(QString::fromLatin1(row[i].label), panel);
      const int id = row[i].id;
      button->setStatusTip(actions_.count(id) ? actions_[id]->statusTip() : QString());
      button->setToolTip(button->statusTip());
      button->setFocusPolicy(Qt::NoFocus);
      connect(button, &QPushButton::clicked, this, [this, id] { RouteCommand(id); });
      grid->addWidget(button, rowIndex, static_cast<int>(i));
      buttons_[id] = button;
    }
  };
  addRow(kButtonRowOne, 0);
  addRow(kButtonRowTwo, 1);
  // Equal columns, as wide as the longest label.
  int widest = 0;
  for (const auto& [id, button] : buttons_) widest = std::max(widest, button->sizeHint().width());
  for (const auto& [id, button] : buttons_) button->setMinimumWidth(widest);
  grid->setColumnStretch(static_cast<int>(kButtonRowOne.size()), 1);
  buttonBar_->addWidget(panel);
  addToolBarBreak(Qt::TopToolBarArea);
  addToolBar(Qt::TopToolBarArea, buttonBar_);
}

QAction* CMainFrame::EnsureCommandAction(int id) {
  return MakeAction(id);
}

QAction* CMainFrame::CommandAction(int id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

QPushButton* CMainFrame::CommandButton(int id) const {
  auto it = buttons_.find(id);
  return it == buttons_.end() ? nullptr : it->second;
}

void CMainFrame::BindViewCommands(ViewCommands commands) {
  view_ = std::move(commands);
  UpdateCommandStates();
}

void CMainFrame::SetCentralView(QWidget* view) {
  setCentralWidget(view);
  UpdateCommandStates();
}

void CMainFrame::RouteCommand(int id) {
  if (QAction* a = CommandAction(id); a != nullptr && !a->isEnabled()) return;
  if (id == kQuitCommand) {
    close();  // as Exit: the questions about the open list come first
    return;
  }
  OperationScope operation(Reporter());
  if (view_.execute && view_.execute(id)) {
  } else if (doc_->Execute(id)) {
  } else if (id == cmd::kSettingOption) {
    ShowOptionDialog();
  } else if (id == cmd::kAbout) {
    ShowAbout();
  }
  UpdateCommandStates();
}

void CMainFrame::UpdateCommandStates() {
  for (auto& [id, action] : actions_) {
    bool enabled = false;
    std::optional<bool> fromView = view_.enabled ? view_.enabled(id) : std::nullopt;
    if (fromView) {
      enabled = *fromView;
    } else if (doc_->HandlesCommand(id)) {
      enabled = doc_->IsEnabled(id);
    } else if (id == cmd::kSettingOption || id == cmd::kAbout || id == kQuitCommand) {
      enabled = true;
    }
    action->setEnabled(enabled);
    if (const std::optional<bool> checked = view_.checked ? view_.checked(id) : std::nullopt) {
      action->setCheckable(true);
      action->setChecked(*checked);
    }
    if (std::string text = view_.text ? view_.text(id) : std::string(); !text.empty())
      action->setText(Q(text));
  }
  for (auto& [id, button] : buttons_) button->setEnabled(actions_.count(id) && actions_[id]->isEnabled());
  setWindowModified(view_.modified && view_.modified());
}

bool CMainFrame::OpenListFile(const std::string& path) {
  if (reporter_->Waiting()) return false;
  const bool ok = doc_->OpenPath(path);
  UpdateCommandStates();
  return ok;
}

// ---------------------------------------------------------------------------
// Status bar, message window, progress

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  // The message pane: command prompts while the pointer is on a command, else this.
  readyLabel_ = new QLabel(QStringLiteral("Ready"), bar);
  bar->addWidget(readyLabel_, 1);
  auto indicator = [bar](const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), bar);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::StyledPanel);
    label->setEnabled(false);
    bar->addPermanentWidget(label);
    return label;
  };
  capsIndicator_ = indicator("CAP");
  numIndicator_ = indicator("NUM");
  scrollIndicator_ = indicator("SCRL");

  if (ReadLockKeys()) {
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CMainFrame::RefreshLockIndicators);
    timer->start(kLockPollMs);
    RefreshLockIndicators();
  }
}

void CMainFrame::RefreshLockIndicators() {
  const std::optional<LockKeys> keys = ReadLockKeys();
  if (!keys) return;
  capsIndicator_->setEnabled(keys->caps);
  numIndicator_->setEnabled(keys->num);
  scrollIndicator_->setEnabled(keys->scroll);
}

// ---------------------------------------------------------------------------
// Options, about box, closing

bool CMainFrame::ApplySavedColours() {
  const ListColours colours = LoadListColours(settings_);
  if (colourSink_) colourSink_(colours);
  return colours.saved;
}

void CMainFrame::ShowOptionDialog() {
  OptionDialog dialog(OptionDialogState(options_, settings_), this);
  if (dialog.exec() != QDialog::Accepted) return;
  const OptionDialogState::Result result = dialog.State().Accept(options_, settings_);
  if (optionsSink_) optionsSink_(options_);
  if (result.coloursChanged && colourSink_)
    colourSink_({result.textColour, result.backgroundColour, result.backgroundColour, true});
}

void CMainFrame::ShowAbout() {
  AboutDialog dialog(this);
  dialog.exec();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (!reporter_->Waiting() && DroppedList(event->mimeData())) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const std::optional<std::string> path = DroppedList(event->mimeData());
  if (!path) return;
  event->acceptProposedAction();
  // Opened once the drop is over: the program that the file came from is not kept
  // waiting while the person answers questions about the list open now.
  QTimer::singleShot(0, this, [this, file = *path] { OpenListFile(file); });
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  // A transfer or compile holds the program; the window may not go away under it.
  if (reporter_->Waiting()) {
    event->ignore();
    return;
  }
  if (doc_->CanClose()) {
    RememberToolBar();
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace lumoscope::ui
