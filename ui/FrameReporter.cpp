#include "ui/FrameReporter.h"

#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>

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
constexpr int kProgressMax = 100;
// How long a note stays in the status bar's message pane, in milliseconds.
constexpr int kNoteMs = 8000;
// Caption of message boxes whose text comes without one.
constexpr const char* kDefaultCaption = "Lumoscope";

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

QString CaptionOrDefault(const std::string& caption) {
  return caption.empty() ? QString::fromLatin1(kDefaultCaption) : Q(caption);
}

Answer Ask(QWidget* parent, const std::string& text, const std::string& caption,
           QMessageBox::StandardButtons buttons) {
  QMessageBox box(QMessageBox::Question, CaptionOrDefault(caption), Q(text), buttons, parent);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return (buttons & QMessageBox::Cancel) ? Answer::Cancel : Answer::No;
  }
}

}  // namespace

FrameReporter::FrameReporter(QMainWindow& frame, QLabel& messagePane)
    : frame_(frame), messagePane_(messagePane) {
  messageWindow_ = new QDockWidget(QStringLiteral("Message Window"), &frame_);
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
  frame_.addDockWidget(Qt::LeftDockWidgetArea, messageWindow_);
  messageWindow_->hide();

  // The frame's own bar takes no room: the download sets it, but the transfer bar is
  // what the person watches.
  frameProgress_ = new QProgressBar(frame_.statusBar());
  frameProgress_->setRange(0, kProgressMax);
  frameProgress_->setValue(0);
  frameProgress_->setGeometry(QRect());
}

FrameReporter::~FrameReporter() {
  while (waitDepth_ > 0) EndWait();
}

void FrameReporter::RepaintNow(QWidget* widget) {
  if (widget != nullptr && widget->isVisible()) widget->repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// ---------------------------------------------------------------------------
// Message window and progress

void FrameReporter::ShowMessage(const std::string& text) {
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

void FrameReporter::HideMessageWindow() {
  messageWindow_->hide();
  RepaintNow(&frame_);
}

void FrameReporter::SetProgress(int position, int mode) {
  QStatusBar* bar = frame_.statusBar();
  if (mode == kProgressShow) {
    if (transferProgress_ == nullptr) {
      transferProgress_ = new QProgressBar(bar);
      transferProgress_->setRange(0, kProgressMax);
      bar->clearMessage();
      messagePane_.hide();
      bar->insertWidget(0, transferProgress_, 1);
      transferProgress_->show();
    }
    transferProgress_->setValue(position);
    RepaintNow(transferProgress_);
  } else if (transferProgress_ != nullptr) {
    bar->removeWidget(transferProgress_);
    delete transferProgress_;
    transferProgress_ = nullptr;
    messagePane_.show();
    RepaintNow(bar);
  }
}

void FrameReporter::SetFrameProgress(int position) {
  frameProgress_->setValue(position);
  RepaintNow(frameProgress_);
}

void FrameReporter::RepaintStatusBar() {
  RepaintNow(frame_.statusBar());
}

void FrameReporter::StatusNote(const std::string& text) {
  frame_.statusBar()->showMessage(Q(text), kNoteMs);
}

void FrameReporter::BeginWait() {
  if (waitDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void FrameReporter::EndWait() {
  if (waitDepth_ > 0 && --waitDepth_ == 0) QApplication::restoreOverrideCursor();
}

// ---------------------------------------------------------------------------
// Message boxes and questions

void FrameReporter::MessageBox(const std::string& text, const std::string& caption) {
  // The same box carries failures and "terminated successfully" alike, so its picture
  // must not alarm: a neutral information sign.
  QMessageBox box(QMessageBox::Information, CaptionOrDefault(caption), Q(text), QMessageBox::Ok, &frame_);
  // The pointer may be waiting for a transfer; the person must see they can click.
  const bool waiting = Waiting();
  if (waiting) QApplication::setOverrideCursor(Qt::ArrowCursor);
  box.exec();
  if (waiting) QApplication::restoreOverrideCursor();
}

Answer FrameReporter::AskYesNo(const std::string& text, const std::string& caption) {
  return Ask(&frame_, text, caption, QMessageBox::Yes | QMessageBox::No);
}

Answer FrameReporter::AskYesNoCancel(const std::string& text, const std::string& caption) {
  return Ask(&frame_, text, caption, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

}  // namespace lumoscope::ui
