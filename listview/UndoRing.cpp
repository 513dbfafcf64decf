#include "listview/UndoRing.h"

#include <utility>

namespace lumoscope {

void UndoRing::Push(std::string label, std::vector<std::string> fields, bool modified) {
  if (steps_.size() >= depth_) steps_.pop_front();
  steps_.push_back({std::move(label), std::move(fields), modified});
}

std::optional<UndoRing::Step> UndoRing::Pop() {
  if (steps_.empty()) return std::nullopt;
  Step newest = std::move(steps_.back());
  steps_.pop_back();
  return newest;
}

const std::string& UndoRing::NewestLabel() const {
  static const std::string kNone;
  return steps_.empty() ? kNone : steps_.back().label;
}

void UndoRing::MarkAllModified() {
  for (Step& step : steps_) step.modified = true;
}

}  // namespace lumoscope
