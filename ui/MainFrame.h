#pragma once
// CMainFrame: the single top-level window. It carries the button bar, the toolbar, the
// menu, the status bar with its progress bars and the message window, routes every
// command by its identifier (list view first, then the document, then the frame). Its
// reporting side (message boxes, questions, the message window, progress) is the
// FrameReporter it owns.
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "base/FoldingReporter.h"
#include "base/Options.h"
#include "base/Reporter.h"
#include "shell/FileChooser.h"
#include "shell/ListColours.h"
#include "shell/LumoscopeDoc.h"
#include "shell/SettingsStore.h"
#include "transfer/PosixLinkFactory.h"

class QAction;
class QDockWidget;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QToolBar;

namespace lumoscope::ui {

inline constexpr const char* kAppTitle = "Lumoscope Lite";

class FrameReporter;
class RecentListsMenu;
class TransferStopper;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  // `uploadPath` is the fixed file uploads go to; `chooser` may be null (the file
  // dialogs are used).
  CMainFrame(ISettingsStore& settings, std::string uploadPath, IFileChooser* chooser = nullptr,
             QWidget* parent = nullptr);
  ~CMainFrame() override;

  // Where the core tells and asks the person: message boxes and questions owned by this
  // window, its message window and progress bars, the wait pointer. A message that one
  // command raises many times in a row comes once (FoldingReporter).
  IReporter& Reporter();
  CLumoscopeDoc& Document() { return *doc_; }
  // The file dialogs of the window's commands (the one given at construction, or Qt's).
  IFileChooser& Chooser() { return *chooser_; }
  AppOptions& Options() { return options_; }
  // The Cancel button and Esc of the transfers; the window's own link factory asks it.
  TransferStopper& Stopper() { return *stopper_; }
  RecentListsMenu& RecentMenu() { return *recentMenu_; }
  // The File menu: Open..., Recent Lists, Save, Save As..., Quit. More commands go before
  // FileMenuEnd(), the separator above Quit.
  QMenu* FileMenu() const { return fileMenu_; }
  QAction* FileMenuEnd() const { return fileMenuEnd_; }
  // Where more panes of the status bar go: after the message pane, before the lock-key
  // indicators.
  static constexpr int kFirstStatusPane = 1;

  // Opens a list chosen without the file dialog (a recent list, a file dropped on the
  // window): the questions about the list open now come first, as for Open.
  bool OpenListFile(const std::string& path);
  // Command routing. Every command of the window has one action, also when a menu, the
  // toolbar and a button all carry it.
  QAction* CommandAction(int id) const;
  // The action of a command, created on first use; for commands that only a menu of the
  // window carries.
  QAction* EnsureCommandAction(int id);
  QPushButton* CommandButton(int id) const;
  void RouteCommand(int id);
  // Applies every command's enable rule to its action and button.
  void UpdateCommandStates();

  // The list view's side of the routing: `execute` returns true when it handled the
  // command, `enabled` gives the enable state of its own commands (nothing for others),
  // `checked` the check mark of those that show one, and `text` the menu text of those
  // whose text follows the list's state (empty: the fixed text stays).
  struct ViewCommands {
    std::function<bool(int)> execute;
    std::function<std::optional<bool>(int)> enabled;
    std::function<std::optional<bool>(int)> checked;
    std::function<std::string(int)> text;
    // Whether the list differs from its file (the title's unsaved-changes mark).
    std::function<bool()> modified;
  };
  void BindViewCommands(ViewCommands commands);
  // Puts the list into the window in place of the empty placeholder.
  void SetCentralView(QWidget* view);
  // Where the list's colours go: at the first show of the list and after the option
  // dialog changed them.
  void SetColourSink(std::function<void(const ListColours&)> sink) { colourSink_ = std::move(sink); }
  // Where the options go that the list applies (undo steps, name encoding): called after
  // the option dialog closed with OK.
  void SetOptionsSink(std::function<void(const AppOptions&)> sink) { optionsSink_ = std::move(sink); }
  // Reads the saved colours and gives them to the list; true when saved colours applied.
  bool ApplySavedColours();

  void ShowOptionDialog();
  void ShowAbout();

  QDockWidget* MessageWindow() const;
  QPlainTextEdit* MessageText() const;
  QProgressBar* TransferProgress() const;
  QProgressBar* FrameProgress() const;
  QToolBar* ToolBar() const { return toolBar_; }
  QToolBar* ButtonBar() const { return buttonBar_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A ".txt" file dropped on the window is opened.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QAction* MakeAction(int id);
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void CreateButtonBar();
  void CreateStatusBar();
  void RefreshLockIndicators();
  // The toolbar's visibility and place are kept per user.
  void RestoreToolBar();
  void RememberToolBar();

  ISettingsStore& settings_;
  AppOptions options_;
  std::unique_ptr<IFileChooser> ownChooser_;
  std::unique_ptr<FrameReporter> reporter_;
  std::unique_ptr<FoldingReporter> folding_;
  TransferStopper* stopper_ = nullptr;  // owned by the status bar
  // The serial ports of the window's transfers, which the Cancel button can stop.
  PosixLinkFactory linkFactory_;
  IFileChooser* chooser_ = nullptr;
  std::unique_ptr<CLumoscopeDoc> doc_;
  ViewCommands view_;
  std::function<void(const ListColours&)> colourSink_;
  std::function<void(const AppOptions&)> optionsSink_;

  std::map<int, QAction*> actions_;
  std::map<int, QPushButton*> buttons_;
  QToolBar* toolBar_ = nullptr;
  QToolBar* buttonBar_ = nullptr;
  RecentListsMenu* recentMenu_ = nullptr;  // owned by the menu bar
  QMenu* fileMenu_ = nullptr;              // owned by the menu bar
  QAction* fileMenuEnd_ = nullptr;
  QLabel* readyLabel_ = nullptr;
  QLabel* capsIndicator_ = nullptr;
  QLabel* numIndicator_ = nullptr;
  QLabel* scrollIndicator_ = nullptr;
};

}  // namespace lumoscope::ui
