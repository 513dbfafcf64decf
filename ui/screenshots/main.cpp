// lumoscope-screenshots: the pictures of the guide, made from the real window.
// usage: lumoscope-screenshots EXAMPLES-DIR OUT-DIR
// scripts/screenshots.sh runs it on a virtual display and writes docs/images/.
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "ui/screenshots/Photographer.h"
#include "ui/screenshots/Shots.h"

int main(int argc, char** argv) {
  // The same look wherever the pictures are made, whatever the desktop's own style.
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() != 3) {
    std::fputs("usage: lumoscope-screenshots EXAMPLES-DIR OUT-DIR\n", stderr);
    return 2;
  }
  if (!QDir().mkpath(args.at(2))) {
    std::fprintf(stderr, "screenshots: cannot make %s\n", qPrintable(args.at(2)));
    return 1;
  }
  lumoscope::shots::Photographer photographer(args.at(1), args.at(2));
  int failed = 0;
  for (const lumoscope::shots::Shot& shot : lumoscope::shots::kShots)
    if (!photographer.Take(shot)) ++failed;
  return failed == 0 ? 0 : 1;
}
