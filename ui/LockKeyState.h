#pragma once
// The state of the Caps Lock, Num Lock and Scroll Lock keys for the status bar, where
// the window system tells it (X11); elsewhere it is unknown.
#include <optional>

namespace lumoscope::ui {

struct LockKeys {
  bool caps = false;
  bool num = false;
  bool scroll = false;
};

std::optional<LockKeys> ReadLockKeys();

}  // namespace lumoscope::ui
