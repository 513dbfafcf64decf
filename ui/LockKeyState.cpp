#include "ui/LockKeyState.h"

#include <QGuiApplication>

#ifdef LUMOSCOPE_HAVE_X11
// Xlib defines macros that clash with Qt's names; it is kept to this one file.
#include <X11/XKBlib.h>
#endif

namespace lumoscope::ui {

std::optional<LockKeys> ReadLockKeys() {
#if defined(LUMOSCOPE_HAVE_X11) && QT_CONFIG(xcb)
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (display == nullptr) return std::nullopt;
  unsigned int state = 0;
  if (XkbGetIndicatorState(display, XkbUseCoreKbd, &state) != Success) return std::nullopt;
  // The core keyboard's indicator bits: 0 Caps Lock, 1 Num Lock, 2 Scroll Lock.
  return LockKeys{(state & 0x1u) != 0, (state & 0x2u) != 0, (state & 0x4u) != 0};
#else
  return std::nullopt;
#endif
}

}  // namespace lumoscope::ui
