#include "ui/RecentListsMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <filesystem>
#include <system_error>

namespace lumoscope::ui {
namespace {

constexpr const char* kMenuTitle = "&Recent Lists";
constexpr const char* kNoLists = "No list opened yet";
constexpr const char* kTakenOff = "Taken off Recent Lists because they are no longer there: %s";
constexpr const char* kGone = "%s is no longer there; it was taken off Recent Lists.";

std::string FileName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

}  // namespace

RecentListsMenu::RecentListsMenu(QMenuBar& bar, RecentLists& recent, IReporter& reporter,
                                 std::function<void(const std::string&)> open)
    : QObject(&bar), recent_(recent), reporter_(reporter), open_(std::move(open)) {
  menu_ = bar.addMenu(QString::fromLatin1(kMenuTitle));
  connect(menu_, &QMenu::aboutToShow, this, &RecentListsMenu::Rebuild);
  Rebuild();
}

void RecentListsMenu::Rebuild() {
  std::string gone;
  for (const std::string& path : recent_.DropMissing()) gone += (gone.empty() ? "" : ", ") + FileName(path);
  if (!gone.empty()) reporter_.StatusNote(Format(kTakenOff, gone.c_str()));

  menu_->clear();
  const std::vector<std::string> paths = recent_.Paths();
  if (paths.empty()) menu_->addAction(QString::fromLatin1(kNoLists))->setEnabled(false);
  int number = 1;
  for (const std::string& path : paths) {
    const QString shown = QString::fromStdString(path).replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* item = menu_->addAction(QStringLiteral("&%1 %2").arg(number++).arg(shown));
    item->setStatusTip(QString::fromStdString(path));
    connect(item, &QAction::triggered, this, [this, path] { Choose(path); });
  }
}

void RecentListsMenu::Choose(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    recent_.Remove(path);
    reporter_.MessageBox(Format(kGone, path.c_str()));
    return;
  }
  open_(path);
}

}  // namespace lumoscope::ui
