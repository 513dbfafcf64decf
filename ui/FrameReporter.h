#pragma once
// The main window's reporting side, through which the core talks to the person: message
// boxes and questions owned by the window, the message window docked at its left, the
// transfer progress bar that a transfer puts over the status bar's message pane, the
// frame's own progress bar, and the wait pointer.
#include <string>

#include "base/Reporter.h"

class QDockWidget;
class QLabel;
class QMainWindow;
class QPlainTextEdit;
class QProgressBar;
class QWidget;

namespace lumoscope::ui {

class FrameReporter final : public IReporter {
 public:
  // Builds the message window (hidden) and the frame's progress bar into `frame`, whose
  // status bar must exist. `messagePane` is the status bar's message pane; the transfer
  // progress bar takes its place while it shows.
  FrameReporter(QMainWindow& frame, QLabel& messagePane);
  // Ends the waits that are still open, so the pointer does not stay busy.
  ~FrameReporter() override;
  FrameReporter(const FrameReporter&) = delete;
  FrameReporter& operator=(const FrameReporter&) = delete;

  void MessageBox(const std::string& text, const std::string& caption = {}) override;
  Answer AskYesNo(const std::string& text, const std::string& caption) override;
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;
  void ShowMessage(const std::string& text) override;
  void HideMessageWindow() override;
  void SetProgress(int position, int mode) override;
  void SetFrameProgress(int position) override;
  void RepaintStatusBar() override;
  void BeginWait() override;
  void EndWait() override;
  void StatusNote(const std::string& text) override;

  // A compile or transfer holds the program (the window may not close meanwhile).
  bool Waiting() const { return waitDepth_ > 0; }

  QDockWidget* MessageWindow() const { return messageWindow_; }
  QPlainTextEdit* MessageText() const { return messageText_; }
  QProgressBar* TransferProgress() const { return transferProgress_; }
  QProgressBar* FrameProgress() const { return frameProgress_; }

 private:
  // Paints `widget` now and lets pending paint work run, so the window stays drawn while
  // a transfer holds the program.
  static void RepaintNow(QWidget* widget);

  QMainWindow& frame_;
  QLabel& messagePane_;
  QDockWidget* messageWindow_ = nullptr;
  QPlainTextEdit* messageText_ = nullptr;
  QProgressBar* frameProgress_ = nullptr;
  QProgressBar* transferProgress_ = nullptr;
  int waitDepth_ = 0;
};

}  // namespace lumoscope::ui
