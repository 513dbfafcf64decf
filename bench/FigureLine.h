#pragma once
// One line per figure of `make bench`: what was measured, its median, the target beside
// it and whether the target holds. The benchmarks of the core (Google Benchmark) and of
// the window (Qt Test) print their figures through this, so the two read alike.
#include <cstdio>
#include <string>

namespace lumoscope::bench {

// A figure's median against its target (the median must stay under it); `target` <= 0
// means the figure has no target and is only reported. `extra` follows the median (the
// CPU time, a ratio). True when the target holds or there is none.
inline bool PrintFigure(const std::string& figure, double median, const char* unit, double target,
                        const std::string& extra = {}) {
  const bool holds = target <= 0 || median < target;
  char targetText[64];
  if (target > 0) {
    std::snprintf(targetText, sizeof targetText, "target under %g %s", target, unit);
  } else {
    std::snprintf(targetText, sizeof targetText, "no target");
  }
  std::printf("%-52s %9.2f %-3s %-18s %-26s %s\n", figure.c_str(), median, unit, extra.c_str(), targetText,
              target <= 0 ? ""
              : holds     ? "holds"
                          : "MISSED");
  std::fflush(stdout);
  return holds;
}

}  // namespace lumoscope::bench
