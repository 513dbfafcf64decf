#include "ui/CommandIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <array>
#include <map>

#include "listview/ViewCommands.h"
#include "shell/DocumentCommands.h"
#include "ui/CommandLayout.h"

// The drawings are a resource of this static library: they are registered once, before
// the first icon is drawn (the registration lives outside every namespace).
static void RegisterIconResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(icons);
    return true;
  }();
  (void)registered;
}

namespace lumoscope::ui {
namespace {

struct CommandPicture {
  int id;
  const char* themeName;  // freedesktop icon name, or nullptr: always the drawing
  const char* drawing;    // file name under :/icons; every command has one
};

constexpr std::array<CommandPicture, 29> kPictures{{
    {lumoscope::cmd::kOpen, "document-open", "open.svg"},
    {lumoscope::cmd::kSave, "document-save", "save.svg"},
    {lumoscope::cmd::kSaveAs, "document-save-as", "save-as.svg"},
    {kPrintCommand, "document-print", "print.svg"},
    {lumoscope::cmd::kAbout, "help-about", "about.svg"},
    {kContextHelpCommand, "help-contextual", "whats-this.svg"},
    {kQuitCommand, "application-exit", "quit.svg"},
    {lumoscope::cmd::kSettingOption, "preferences-system", "options.svg"},
    {lumoscope::cmd::kBasicCompile, nullptr, "compile-basic.svg"},
    {lumoscope::cmd::kPreinstalledOneList, nullptr, "compile-one-list.svg"},
    {lumoscope::cmd::kPreinstalledSplitList, nullptr, "compile-split-list.svg"},
    {lumoscope::cmd::kDownloadCurrentList, nullptr, "download-list.svg"},
    {lumoscope::cmd::kDownloadOthers, nullptr, "download-file.svg"},
    {lumoscope::cmd::kUpload, nullptr, "upload-list.svg"},
    {viewcmd::kMakeNewChannel, "list-add", "new-channel.svg"},
    {viewcmd::kInsertNullChannel, nullptr, "insert-null.svg"},
    {viewcmd::kDeleteChannel, "edit-delete", "delete.svg"},
    {viewcmd::kUndo, "edit-undo", "undo.svg"},
    {lumoscope::cmd::kRedo, "edit-redo", "redo.svg"},
    {viewcmd::kSortSatTypeName, nullptr, "sort-name.svg"},
    {viewcmd::kSortSatTypeFreqName, nullptr, "sort-frequency.svg"},
    {viewcmd::kSortSatTypeBouquetName, nullptr, "sort-bouquet.svg"},
    {viewcmd::kViewDigital, nullptr, "view-digital.svg"},
    {viewcmd::kViewAnalog, nullptr, "view-analog.svg"},
    {viewcmd::kViewSatellites, nullptr, "view-satellites.svg"},
    {listcmd::kFilter, "edit-find", "filter.svg"},
    {listcmd::kMoveUp, "go-up", "move-up.svg"},
    {listcmd::kMoveDown, "go-down", "move-down.svg"},
    {listcmd::kMoveToNumber, "go-jump", "move-to.svg"},
}};

// Sizes the toolbar and the menus ask for, on ordinary and doubled screens.
constexpr int kDrawnSizes[] = {16, 22, 24, 32, 48, 64};

const CommandPicture* Find(int id) {
  for (const CommandPicture& p : kPictures)
    if (p.id == id) return &p;
  return nullptr;
}

// A drawing made into pixmaps once, at every size the desktop asks for (the icon then
// needs no image plugin).
QIcon Drawing(const char* file) {
  static std::map<QString, QIcon> drawn;
  const QString name = QString::fromLatin1(file);
  if (auto it = drawn.find(name); it != drawn.end()) return it->second;
  RegisterIconResources();
  QSvgRenderer renderer(QStringLiteral(":/icons/") + name);
  QIcon icon;
  if (renderer.isValid()) {
    for (int size : kDrawnSizes) {
      QPixmap pixmap(size, size);
      pixmap.fill(Qt::transparent);
      QPainter painter(&pixmap);
      painter.setRenderHint(QPainter::Antialiasing);
      renderer.render(&painter);
      painter.end();
      icon.addPixmap(pixmap);
    }
  }
  drawn.emplace(name, icon);
  return icon;
}

}  // namespace

QIcon DrawnCommandIcon(int id) {
  const CommandPicture* p = Find(id);
  return p == nullptr ? QIcon() : Drawing(p->drawing);
}

QIcon CommandIcon(int id) {
  const CommandPicture* p = Find(id);
  if (p == nullptr) return {};
  const QIcon drawn = DrawnCommandIcon(id);
  if (p->themeName == nullptr) return drawn;
  return QIcon::fromTheme(QString::fromLatin1(p->themeName), drawn);
}

QList<int> CommandsWithIcons() {
  QList<int> ids;
  for (const CommandPicture& p : kPictures) ids << p.id;
  return ids;
}

}  // namespace lumoscope::ui
