#pragma once
// Timing of the window's figures: a step is timed several times, each time after an
// untimed preparation and followed by an untimed tidy-up, and the median is printed
// beside its target (bench/FigureLine.h).
#include <QElapsedTimer>
#include <algorithm>
#include <string>
#include <vector>

#include "bench/FigureLine.h"

namespace lumoscope::bench {

// The runs of each figure; the median of five is what the targets are set for.
inline constexpr int kRuns = 5;

// Median of `runs` timings of `step` in milliseconds; `prepare` and `after` are not timed.
template <typename Prepare, typename Step, typename After>
double MedianMs(Prepare prepare, Step step, After after, int runs = kRuns) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    prepare();
    QElapsedTimer timer;
    timer.start();
    step();
    ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    after();
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

// Times the step as above and prints the figure; true when its target holds.
template <typename Prepare, typename Step, typename After>
bool TimeFigure(const std::string& figure, double targetMs, Prepare prepare, Step step, After after,
                int runs = kRuns) {
  return PrintFigure(figure, MedianMs(prepare, step, after, runs), "ms", targetMs);
}

}  // namespace lumoscope::bench
