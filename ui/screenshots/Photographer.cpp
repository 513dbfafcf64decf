#include "ui/screenshots/Photographer.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <cstdio>
#include <memory>
#include <optional>

#include "shell/FileChooser.h"
#include "shell/SettingsStore.h"
#include "tools/receiver-sim/ReceiverSim.h"
#include "transfer/PosixLinkFactory.h"
#include "ui/MainWindowWiring.h"

namespace lumoscope::shots {
namespace {

// Every picture of the window has the same size, a laptop screen's worth of list.
constexpr int kWindowWidth = 1100;
constexpr int kWindowHeight = 660;
// How often a modal dialog is looked for while a command runs, in milliseconds.
constexpr int kModalPollMs = 20;
// Short bounds on the simulated receiver's silent waits, so a transfer ends promptly.
constexpr int64_t kReadBoundUs = 500'000;
constexpr int64_t kUploadEmptyReadUs = 100'000;

// The pictures show no file dialog: every choice is cancelled.
class CancellingFileChooser : public IFileChooser {
 public:
  std::optional<std::string> ChooseOpenFile(const std::string&, const std::string&,
                                            const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&,
                                            const std::string&) override {
    return std::nullopt;
  }
};

void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// Closes a dialog as a person would who has seen enough: a message box with its default
// button, any other dialog with Cancel.
void Dismiss(QWidget* modal) {
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    QAbstractButton* button = box->defaultButton() ? box->defaultButton() : box->buttons().value(0);
    if (button != nullptr) {
      button->click();
      return;
    }
  }
  if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
}

QMenu* MenuTitled(QMenuBar* bar, const char* title) {
  for (QAction* a : bar->actions())
    if (a->menu() != nullptr && a->text() == QString::fromLatin1(title)) return a->menu();
  return nullptr;
}

// The menu drawn over the window where it opens below its title.
QPixmap WindowWithMenu(QWidget& frame, QMenuBar* bar, QMenu* menu) {
  QAction* title = menu->menuAction();
  menu->popup(bar->mapToGlobal(bar->actionGeometry(title).bottomLeft()));
  Settle();
  QPixmap picture = frame.grab();
  QPainter painter(&picture);
  painter.drawPixmap(frame.mapFromGlobal(menu->pos()), menu->grab());
  painter.end();
  menu->hide();
  return picture;
}

// The dialog drawn over the middle of the window with a thin frame, as a person sees it
// (a virtual display has no window manager to draw the frame).
QPixmap WindowWithDialog(QWidget& frame, QWidget* dialog) {
  QPixmap picture = frame.grab();
  const QPixmap box = dialog->grab();
  const QSizeF room = picture.deviceIndependentSize() - box.deviceIndependentSize();
  const QPoint at(static_cast<int>(room.width() / 2), static_cast<int>(room.height() / 2));
  QPainter painter(&picture);
  painter.drawPixmap(at, box);
  painter.setPen(QColor(0x40, 0x40, 0x40));
  painter.drawRect(QRect(at, box.deviceIndependentSize().toSize()).adjusted(-1, -1, 0, 0));
  painter.end();
  return picture;
}

std::string ConsoleListing(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  // The receiver's console prints the list from its first section header on.
  const QByteArray text = file.readAll();
  return text.mid(std::max<qsizetype>(0, text.indexOf("[SATELLITE_NAME_LIST]"))).toStdString();
}

bool Fail(const Shot& shot, const char* why) {
  std::fprintf(stderr, "screenshots: %s: %s\n", shot.file, why);
  return false;
}

}  // namespace

bool Photographer::Take(const Shot& shot) {
  QTemporaryDir work;
  MemorySettingsStore settings;
  CancellingFileChooser chooser;
  ui::MainWindowWiring window(settings, (work.path() + QStringLiteral("/VXRupload.txt")).toStdString(),
                              &chooser);
  ui::CMainFrame& frame = window.Frame();
  frame.resize(kWindowWidth, kWindowHeight);
  frame.show();
  Settle();

  if (shot.list != nullptr) {
    const QString copy = work.path() + QLatin1Char('/') + QString::fromLatin1(shot.list);
    if (!QFile::copy(examplesDir_ + QLatin1Char('/') + QString::fromLatin1(shot.list), copy))
      return Fail(shot, "cannot copy the example list");
    if (!window.OpenFile(copy.toStdString())) return Fail(shot, "the example list does not open");
  }
  if (shot.toolbar) frame.ToolBar()->show();
  if (shot.display != 0) frame.RouteCommand(shot.display);
  if (shot.filter != nullptr) {
    window.Filter().Open();
    window.Filter().Field()->setText(QString::fromUtf8(shot.filter));
  }
  if (shot.selectedRow >= 0) window.List().SelectAndFocus(shot.selectedRow);
  frame.UpdateCommandStates();
  Settle();
  if (shot.editColumn >= 0 && !window.List().EditCellInPlace(shot.selectedRow, shot.editColumn))
    return Fail(shot, "the cell cannot be edited in place");
  Settle();

  std::unique_ptr<sim::ReceiverSimulator> receiver;
  PosixLinkFactory links{LinkBounds{kReadBoundUs, kUploadEmptyReadUs}};
  if (shot.receiver != nullptr) {
    sim::SimOptions options;
    options.channelList =
        ConsoleListing(examplesDir_ + QLatin1Char('/') + QString::fromLatin1(shot.receiver));
    receiver = std::make_unique<sim::ReceiverSimulator>(options);
    if (!receiver->Open()) return Fail(shot, "no pseudo-terminal for the simulated receiver");
    frame.Options().portNumber = 1;
    frame.Options().devicePaths[0] = receiver->DevicePath();
    frame.Document().SetLinkFactory(&links);
    receiver->Start();
  }

  QPixmap picture;
  if (shot.command != 0) {
    // The command's dialogs come up in its own event loops; a timer finds each one,
    // takes the picture at the wanted one and closes them all.
    int seen = 0;
    QWidget* current = nullptr;
    QTimer poll;
    poll.setInterval(kModalPollMs);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || !modal->isVisible() || modal == current) return;
      current = modal;
      Settle();
      if (seen == shot.dialog && shot.picture == Picture::Dialog) picture = modal->grab();
      if (seen == shot.dialog && shot.picture == Picture::WindowAtDialog)
        picture = WindowWithDialog(frame, modal);
      ++seen;
      Dismiss(modal);
    });
    poll.start();
    frame.RouteCommand(shot.command);
    poll.stop();
    Settle();
  }
  if (receiver) {
    receiver->Stop();
    frame.Document().SetLinkFactory(nullptr);
  }

  if (shot.picture == Picture::Window) {
    picture = frame.grab();
  } else if (shot.picture == Picture::WindowWithMenu) {
    QMenu* menu = MenuTitled(frame.menuBar(), shot.menu);
    if (menu == nullptr) return Fail(shot, "the window has no such menu");
    picture = WindowWithMenu(frame, frame.menuBar(), menu);
  }
  if (picture.isNull()) return Fail(shot, "the command showed no dialog to picture");
  const QString path = outDir_ + QLatin1Char('/') + QString::fromLatin1(shot.file);
  // A window has few colours: with a palette the pictures take a third of the room in
  // the repository and the package, and look the same.
  const QImage image =
      picture.toImage().convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
  if (!image.save(path, "PNG")) return Fail(shot, "cannot write the picture");
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace lumoscope::shots
