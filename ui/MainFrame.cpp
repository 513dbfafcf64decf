#include "ui/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <algorithm>

#include "shell/DocumentCommands.h"
#include "shell/PortSettings.h"
#include "ui/AboutDialog.h"
#include "ui/AppIcon.h"
#include "ui/CommandLayout.h"
#include "ui/LockKeyState.h"
#include "ui/OptionDialog.h"
#include "ui/QtFileChooser.h"

namespace lumoscope::ui {
namespace {

// The message window's text box sits this far inside the bar, in pixels; the wider
// room below it keeps the last line clear of the bar's bottom edge.
constexpr int kMessageMarginLeft = 15;
constexpr int kMessageMarginTop = 15;
constexpr int kMessageMarginRight = 15;
constexpr int kMessageMarginBottom = 65;
// Default width of the message window: a download's step texts fit on one line.
constexpr int kMessageWindowWidth = 320;
// The un-maximised window leaves this much of the screen free, in pixels.
constexpr int kRestoredWidthMargin = 100;
constexpr int kRestoredHeightMargin = 50;
// How often the lock indicators follow the keyboard, in milliseconds.
constexpr int kLockPollMs = 250;
constexpr int kProgressMax = 100;
// Caption of message boxes whose text comes without one.
constexpr const char* kDefaultCaption = "Lumoscope";

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}
QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string_view ViewCommandPrompt(int id) {
  for (const ViewCommandText& t : kViewCommandTexts)
    if (t.id == id) return t.prompt;
  return {};
}

QIcon CommandIcon(int id, const QStyle* style) {
  switch (id) {
    case cmd::kOpen:
      return style->standardIcon(QStyle::SP_DialogOpenButton);
    case cmd::kSave:
      return style->standardIcon(QStyle::SP_DialogSaveButton);
    case cmd::kSaveAs:
      return GlyphIcon(QStringLiteral("As"), QColor(0x2e, 0x6d, 0xb4));
    case kPrintCommand:
      return GlyphIcon(QStringLiteral("P"), QColor(0x80, 0x80, 0x80));
    case cmd::kAbout:
      return style->standardIcon(QStyle::SP_MessageBoxInformation);
    case cmd::kBasicCompile:
      return GlyphIcon(QStringLiteral("B"), QColor(0x8a, 0x5a, 0x00));
    case cmd::kPreinstalledOneList:
      return GlyphIcon(QStringLiteral("P1"), QColor(0x8a, 0x5a, 0x00));
    case cmd::kPreinstalledSplitList:
      return GlyphIcon(QStringLiteral("PS"), QColor(0x8a, 0x5a, 0x00));
    case cmd::kDownloadCurrentList:
      return GlyphIcon(QStringLiteral("\u2193"), QColor(0xb0, 0x30, 0x30));
    case cmd::kDownloadOthers:
      return GlyphIcon(QStringLiteral("\u21ca"), QColor(0xb0, 0x30, 0x30));
    case cmd::kUpload:
      return GlyphIcon(QStringLiteral("\u2191"), QColor(0x2e, 0x8b, 0x57));
    case viewcmd::kMakeNewChannel:
      return GlyphIcon(QStringLiteral("+"), QColor(0x2e, 0x8b, 0x57));
    case viewcmd::kInsertNullChannel:
      return GlyphIcon(QStringLiteral("_"), QColor(0x55, 0x55, 0x55));
    case viewcmd::kDeleteChannel:
      return style->standardIcon(QStyle::SP_TrashIcon);
    case viewcmd::kUndo:
      return style->standardIcon(QStyle::SP_ArrowBack);
    case viewcmd::kSortSatTypeName:
      return GlyphIcon(QStringLiteral("S1"), QColor(0x5b, 0x3f, 0x99));
    case viewcmd::kSortSatTypeFreqName:
      return GlyphIcon(QStringLiteral("S2"), QColor(0x5b, 0x3f, 0x99));
    case viewcmd::kSortSatTypeBouquetName:
      return GlyphIcon(QStringLiteral("S3"), QColor(0x5b, 0x3f, 0x99));
    case viewcmd::kViewDigital:
      return GlyphIcon(QStringLiteral("D"), QColor(0x1f, 0x4e, 0x8c));
    case viewcmd::kViewAnalog:
      return GlyphIcon(QStringLiteral("A"), QColor(0x1f, 0x4e, 0x8c));
    case viewcmd::kViewSatellites:
      return GlyphIcon(QStringLiteral("Sat"), QColor(0x1f, 0x4e, 0x8c));
    case cmd::kSettingOption:
      return GlyphIcon(QStringLiteral("\u2699"), QColor(0x44, 0x44, 0x44));
    default:
      return {};
  }
}

}  // namespace

CMainFrame::CMainFrame(ISettingsStore& settings, std::string uploadPath, IFileChooser* chooser,
                       QWidget* parent)
    : QMainWindow(parent), settings_(settings) {
  setWindowTitle(QString::fromLatin1(kAppTitle));
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
  doc_ = std::make_unique<CLumoscopeDoc>(*this, options_, settings_, *chooser, std::move(uploadPath));
  doc_->SetTitleSink([this](const std::string& title) { setWindowTitle(Q(title)); });

  auto* placeholder = new QLabel(
      QStringLiteral("Open a channel list (Ctrl+O), or upload the receiver's list with \"Upload\"."), this);
  placeholder->setAlignment(Qt::AlignCenter);
  placeholder->setEnabled(false);
  setCentralWidget(placeholder);

  CreateActions();
  CreateToolBar();
  CreateStatusBar();
  CreateMessageWindow();
  CreateButtonBar();
  CreateMenus();
  UpdateCommandStates();
}

CMainFrame::~CMainFrame() {
  while (waitDepth_ > 0) EndWait();
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
  action->setIcon(CommandIcon(id, style()));
  action->setData(id);
  connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
  addAction(action);  // keys work while the toolbar is hidden
  actions_[id] = action;
  return action;
}

void CMainFrame::CreateActions() {
  for (const CommandInfo& c : DocumentCommandTable()) MakeAction(c.id);
  for (const CommandInfo& c : FrameCommandTable()) MakeAction(c.id);
  for (const ViewCommandText& t : kViewCommandTexts) MakeAction(t.id);
  MakeAction(kPrintCommand)->setText(QStringLiteral("Print"));
  actions_[kPrintCommand]->setToolTip(QStringLiteral("Print"));

  actions_[cmd::kOpen]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  actions_[cmd::kSave]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  actions_[viewcmd::kUndo]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  actions_[viewcmd::kInsertNullChannel]->setText(QStringLiteral("&Insert Null Channel"));
  actions_[viewcmd::kDeleteChannel]->setText(QStringLiteral("&Delete Channel"));
}

void CMainFrame::CreateMenus() {
  QMenuBar* bar = menuBar();
  // A top-level item of its own: the menu bar would show the command's icon instead of
  // its name. It follows the command's enable state.
  QAction* openItem = bar->addAction(QStringLiteral("&Open"));
  openItem->setStatusTip(actions_[cmd::kOpen]->statusTip());
  connect(openItem, &QAction::triggered, this, [this] { RouteCommand(cmd::kOpen); });
  connect(actions_[cmd::kOpen], &QAction::enabledChanged, openItem, &QAction::setEnabled);
  QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
  edit->addAction(actions_[viewcmd::kInsertNullChannel]);
  edit->addAction(actions_[viewcmd::kDeleteChannel]);
  connect(edit, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
  QMenu* view = bar->addMenu(QStringLiteral("&View"));
  connect(view, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
  view->addAction(toolBar_->toggleViewAction());
  view->addAction(buttonBar_->toggleViewAction());
  view->addAction(messageWindow_->toggleViewAction());
  auto* exit = bar->addAction(QStringLiteral("E&xit"));
  exit->setStatusTip(QStringLiteral("Quit the application"));
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
      help->setStatusTip(QStringLiteral("Display help for clicked on buttons, menus and windows"));
      toolBar_->addAction(help);
    } else {
      toolBar_->addAction(MakeAction(id));
    }
  }
  toolBar_->hide();
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
    } else if (id == cmd::kSettingOption || id == cmd::kAbout) {
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

  // The frame's own bar takes no room: the download sets it, but the transfer bar is
  // what the person watches.
  frameProgress_ = new QProgressBar(bar);
  frameProgress_->setRange(0, kProgressMax);
  frameProgress_->setValue(0);
  frameProgress_->setGeometry(QRect());

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

void CMainFrame::CreateMessageWindow() {
  messageWindow_ = new QDockWidget(QStringLiteral("Message Window"), this);
  messageWindow_->setObjectName(QStringLiteral("MessageWindow"));
  messageWindow_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  auto* panel = new QWidget(messageWindow_);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(kMessageMarginLeft, kMessageMarginTop, kMessageMarginRight,
                             kMessageMarginBottom);
  messageText_ = new QPlainTextEdit(panel);
  messageText_->setReadOnly(true);
  messageText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(messageText_);
  panel->setMinimumWidth(kMessageWindowWidth);
  messageWindow_->setWidget(panel);
  addDockWidget(Qt::LeftDockWidgetArea, messageWindow_);
  messageWindow_->hide();
}

void CMainFrame::RepaintNow(QWidget* widget) {
  if (widget != nullptr && widget->isVisible()) widget->repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CMainFrame::ShowMessage(const std::string& text) {
  messageWindow_->show();
  RepaintNow(messageWindow_);
  if (text == kClearAllMessage) {
    messageText_->clear();
  } else if (text == kHideMessageWindow) {
    messageWindow_->hide();
  } else if (text == kShowMessageWindow) {
    messageWindow_->show();
  } else {
    QString add = Q(text);
    add.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    messageText_->moveCursor(QTextCursor::End);
    messageText_->insertPlainText(add);
    messageText_->verticalScrollBar()->setValue(messageText_->verticalScrollBar()->maximum());
  }
  RepaintNow(messageText_);
}

void CMainFrame::HideMessageWindow() {
  messageWindow_->hide();
  RepaintNow(this);
}

void CMainFrame::SetProgress(int position, int mode) {
  if (mode == kProgressShow) {
    if (transferProgress_ == nullptr) {
      transferProgress_ = new QProgressBar(statusBar());
      transferProgress_->setRange(0, kProgressMax);
      statusBar()->clearMessage();
      readyLabel_->hide();
      statusBar()->insertWidget(0, transferProgress_, 1);
      transferProgress_->show();
    }
    transferProgress_->setValue(position);
    RepaintNow(transferProgress_);
  } else if (transferProgress_ != nullptr) {
    statusBar()->removeWidget(transferProgress_);
    delete transferProgress_;
    transferProgress_ = nullptr;
    readyLabel_->show();
    RepaintNow(statusBar());
  }
}

void CMainFrame::SetFrameProgress(int position) {
  frameProgress_->setValue(position);
  RepaintNow(frameProgress_);
}

void CMainFrame::RepaintStatusBar() {
  RepaintNow(statusBar());
}

void CMainFrame::BeginWait() {
  if (waitDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CMainFrame::EndWait() {
  if (waitDepth_ > 0 && --waitDepth_ == 0) QApplication::restoreOverrideCursor();
}

// ---------------------------------------------------------------------------
// Message boxes and questions

void CMainFrame::MessageBox(const std::string& text, const std::string& caption) {
  // The same box carries failures and "terminated successfully" alike, so its picture
  // must not alarm: a neutral information sign.
  QMessageBox box(QMessageBox::Information,
                  caption.empty() ? QString::fromLatin1(kDefaultCaption) : Q(caption), Q(text),
                  QMessageBox::Ok, this);
  // The pointer may be waiting for a transfer; the person must see they can click.
  const bool waiting = waitDepth_ > 0;
  if (waiting) QApplication::setOverrideCursor(Qt::ArrowCursor);
  box.exec();
  if (waiting) QApplication::restoreOverrideCursor();
}

namespace {
Answer Ask(QWidget* parent, const std::string& text, const std::string& caption,
           QMessageBox::StandardButtons b) {
  QMessageBox box(QMessageBox::Question, caption.empty() ? QString::fromLatin1(kDefaultCaption) : Q(caption),
                  Q(text), b, parent);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return (b & QMessageBox::Cancel) ? Answer::Cancel : Answer::No;
  }
}
}  // namespace

Answer CMainFrame::AskYesNo(const std::string& text, const std::string& caption) {
  return Ask(this, text, caption, QMessageBox::Yes | QMessageBox::No);
}

Answer CMainFrame::AskYesNoCancel(const std::string& text, const std::string& caption) {
  return Ask(this, text, caption, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
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
  if (result.coloursChanged && colourSink_)
    colourSink_({result.textColour, result.backgroundColour, result.backgroundColour, true});
}

void CMainFrame::ShowAbout() {
  AboutDialog dialog(this);
  dialog.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  // A transfer or compile holds the program; the window may not go away under it.
  if (waitDepth_ > 0) {
    event->ignore();
    return;
  }
  if (doc_->CanClose())
    event->accept();
  else
    event->ignore();
}

}  // namespace lumoscope::ui
