#include "ui/TransferStopper.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QStatusBar>

namespace lumoscope::ui {
namespace {

// Input the person gives; during a transfer it reaches only the Cancel button (and a
// message box the transfer shows).
bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      return true;
    default:
      return false;
  }
}

bool Within(const QObject* object, const QWidget* widget) {
  for (; object != nullptr; object = object->parent())
    if (object == widget) return true;
  return false;
}

}  // namespace

TransferStopper::TransferStopper(QStatusBar& bar) : QObject(&bar) {
  button_ = new QPushButton(QStringLiteral("Cancel"), &bar);
  button_->setToolTip(QStringLiteral("Stop the transfer (Esc)"));
  button_->setStatusTip(button_->toolTip());
  button_->setFocusPolicy(Qt::NoFocus);
  bar.addPermanentWidget(button_);
  button_->hide();
  connect(button_, &QPushButton::clicked, this, &TransferStopper::RequestStop);
}

TransferStopper::~TransferStopper() {
  if (active_) End();
}

void TransferStopper::Begin() {
  requested_ = false;
  if (active_) return;
  active_ = true;
  button_->setEnabled(true);
  button_->show();
  // An arrow with the busy sign: the program works, and the button can be clicked.
  QApplication::setOverrideCursor(Qt::BusyCursor);
  qApp->installEventFilter(this);
}

void TransferStopper::End() {
  if (!active_) return;
  active_ = false;
  qApp->removeEventFilter(this);
  QApplication::restoreOverrideCursor();
  button_->hide();
}

bool TransferStopper::Poll() {
  if (active_) QCoreApplication::processEvents(QEventLoop::AllEvents);
  return requested_;
}

void TransferStopper::RequestStop() {
  if (!active_) return;
  requested_ = true;
  button_->setEnabled(false);
}

bool TransferStopper::eventFilter(QObject* watched, QEvent* event) {
  // Windows pass their input on to their widgets; the decision is taken there.
  if (!active_ || !IsInput(event->type()) || !watched->isWidgetType()) return false;
  const QWidget* modal = QApplication::activeModalWidget();
  if (modal != nullptr && Within(watched, modal)) return false;
  if (Within(watched, button_)) return false;
  if (event->type() == QEvent::ShortcutOverride) {
    event->accept();  // no shortcut of the window fires
  } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    RequestStop();
  }
  return true;
}

}  // namespace lumoscope::ui
