#pragma once
// Takes the pictures of the guide: builds the real main window for each shot, opens the
// shot's example list, runs its display and command, and saves the window, the dialog or
// the open menu as a PNG.
#include <QString>

#include "ui/screenshots/Shots.h"

namespace lumoscope::shots {

class Photographer {
 public:
  // Example lists are read from `examplesDir` (and copied, so nothing writes to it);
  // pictures go to `outDir`.
  Photographer(QString examplesDir, QString outDir)
      : examplesDir_(std::move(examplesDir)), outDir_(std::move(outDir)) {}

  // Makes the picture of `shot`; false, with the reason on stderr, when it could not.
  bool Take(const Shot& shot);

 private:
  QString examplesDir_;
  QString outDir_;
};

}  // namespace lumoscope::shots
