#pragma once
// The program's icon and the small glyph icons of the toolbar, drawn at run time so the
// program needs no image plugins.
#include <QColor>
#include <QIcon>

namespace lumoscope::ui {

QIcon AppIcon();
// A rounded tile with one to three characters, for toolbar commands without a standard icon.
QIcon GlyphIcon(const QString& glyph, const QColor& colour);

}  // namespace lumoscope::ui
