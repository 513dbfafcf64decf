#pragma once
// The picture of each command on the toolbar and in the menus. Where the freedesktop icon
// naming has a name for the command (document-open, edit-undo, go-down, ...), the
// desktop's icon theme draws it, so the buttons look like the rest of the desktop; this
// program's own drawing (ui/resources/icons, built into the program) stands in where the
// theme has none. The compiles, the transfers, the sorts and the channel views are the
// receiver editor's own: they always show this program's drawings.
#include <QIcon>
#include <QStringList>

namespace lumoscope::ui {

// The icon of command `id`; an empty icon for a command without a picture.
QIcon CommandIcon(int id);

// This program's own drawing of command `id`, whatever the theme has; empty for none.
QIcon DrawnCommandIcon(int id);

// The commands that have a picture.
QList<int> CommandsWithIcons();

}  // namespace lumoscope::ui
