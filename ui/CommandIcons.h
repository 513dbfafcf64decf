#pragma once
// The picture of each command on the toolbar and in the menus: the style's standard
// icons where there is one for the command, small glyph tiles drawn in code otherwise.
#include <QIcon>

class QStyle;

namespace lumoscope::ui {

// The icon of command `id`; an empty icon for a command without a picture.
QIcon CommandIcon(int id, const QStyle& style);

}  // namespace lumoscope::ui
