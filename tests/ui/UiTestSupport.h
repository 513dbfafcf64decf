#pragma once
// Helpers for the window tests: a private settings location, and answering the modal
// dialogs and message boxes the window opens.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace lumoscope::uitest {

// Points every QSettings of this process at a fresh folder for the life of the object.
class PrivateSettings {
 public:
  PrivateSettings() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
  }
  QString Path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

// The title as the window system shows it: the "[*]" placeholder becomes "*" while the
// window has unsaved changes and goes otherwise.
inline QString ShownTitle(const QWidget& window) {
  QString title = window.windowTitle();
  return title.replace(QStringLiteral("[*]"), window.isWindowModified() ? QStringLiteral("*") : QString());
}

// Runs `act` on the next modal widget once it is shown (a message box or dialog that
// the code under test is about to exec()).
inline void OnNextModal(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer(qApp);
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    QWidget* w = QApplication::activeModalWidget();
    if (w == nullptr || !w->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act(w);
  });
  timer->start();
}

// Answers the next message box with `button`, recording its text and caption.
inline void AnswerNextBox(QMessageBox::StandardButton button, QString* text = nullptr,
                          QString* caption = nullptr) {
  OnNextModal([=](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    if (box == nullptr) return;
    if (text) *text = box->text();
    if (caption) *caption = box->windowTitle();
    box->button(button)->click();
  });
}

// Answers every message box with its default button while it lives, keeping the texts;
// a question that has the button `questions` gets that one.
class BoxAnswerer : public QObject {
 public:
  explicit BoxAnswerer(QMessageBox::StandardButton questions = QMessageBox::NoButton) {
    connect(&timer_, &QTimer::timeout, this, [this, questions] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible()) return;
      texts << box->text();
      QAbstractButton* b = box->button(questions);
      if (b == nullptr) b = box->defaultButton() ? box->defaultButton() : box->buttons().value(0);
      b->click();
    });
    timer_.start(5);
  }
  QStringList texts;

 private:
  QTimer timer_;
};

}  // namespace lumoscope::uitest
