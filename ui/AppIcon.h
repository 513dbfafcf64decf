#pragma once
// The program's icon, drawn at run time so the program needs no image plugins.
#include <QIcon>

namespace lumoscope::ui {

QIcon AppIcon();

}  // namespace lumoscope::ui
