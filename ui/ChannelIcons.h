#pragma once
// The three row icons of the channel list (TV channel, radio channel, plain record),
// each drawn in code at the two sizes of the list's image lists.
#include <QIcon>

namespace lumoscope::ui {

// Edge lengths of the two image lists, in pixels: the large one for icon views, the
// small one for the report rows.
inline constexpr int kLargeIconSize = 32;
inline constexpr int kSmallIconSize = 16;

// The icon for image index 0 (TV), 1 (radio) or 2 (plain record); an empty icon for
// anything else. Holds a 32x32 and a 16x16 pixmap.
QIcon ChannelIcon(int image);

}  // namespace lumoscope::ui
