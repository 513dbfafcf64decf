#include "listview/UndoRing.h"

#include <algorithm>
#include <utility>

namespace lumoscope {

UndoRing::Stored UndoRing::Store(std::string label, const std::vector<std::string>& fields, bool modified,
                                 Place place) {
  // The newest step is most often the list one edit ago.
  const std::vector<StringPool::Id>* like = !undo_.empty()   ? &undo_.back().ids
                                            : !redo_.empty() ? &redo_.back().ids
                                                             : nullptr;
  return {std::move(label), pool_.InternAll(fields, like), modified, std::move(place)};
}

UndoRing::Step UndoRing::Restore(Stored&& stored) const {
  return {std::move(stored.label), pool_.TextsOf(stored.ids), stored.modified, std::move(stored.place)};
}

void UndoRing::ForgetOldest() {
  while (undo_.size() > depth_) undo_.pop_front();
  // Redo steps come from undone steps, so they never outnumber the depth either.
  if (redo_.size() > depth_) redo_.erase(redo_.begin(), redo_.end() - static_cast<std::ptrdiff_t>(depth_));
}

void UndoRing::EmptyPoolWhenUnused() {
  if (undo_.empty() && redo_.empty() && !setAside_) pool_.Clear();
}

void UndoRing::ForgetSetAside() {
  setAside_.reset();
}

void UndoRing::Push(std::string label, const std::vector<std::string>& fields, bool modified, Place place) {
  SetAside aside{std::move(redo_), std::nullopt};
  redo_.clear();
  if (undo_.size() >= depth_) {
    aside.pushedOut = std::move(undo_.front());
    undo_.pop_front();
  }
  setAside_ = std::move(aside);
  undo_.push_back(Store(std::move(label), fields, modified, std::move(place)));
}

std::optional<UndoRing::Stored> UndoRing::PopNewest() {
  if (undo_.empty()) return std::nullopt;
  Stored newest = std::move(undo_.back());
  undo_.pop_back();
  if (setAside_) {
    redo_ = std::move(setAside_->redo);
    if (setAside_->pushedOut) undo_.push_front(std::move(*setAside_->pushedOut));
  }
  ForgetSetAside();
  return newest;
}

std::optional<bool> UndoRing::Drop() {
  const std::optional<Stored> newest = PopNewest();
  EmptyPoolWhenUnused();
  if (!newest) return std::nullopt;
  return newest->modified;
}

std::optional<UndoRing::Step> UndoRing::TakeBack() {
  std::optional<Stored> newest = PopNewest();
  if (!newest) return std::nullopt;
  Step step = Restore(std::move(*newest));
  EmptyPoolWhenUnused();
  return step;
}

std::optional<UndoRing::Step> UndoRing::Undo(const std::vector<std::string>& current, bool modified,
                                             Place place) {
  if (undo_.empty()) return std::nullopt;
  ForgetSetAside();
  Stored newest = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back(Store(newest.label, current, modified, std::move(place)));
  return Restore(std::move(newest));
}

std::optional<UndoRing::Step> UndoRing::Redo(const std::vector<std::string>& current, bool modified,
                                             Place place) {
  if (redo_.empty()) return std::nullopt;
  ForgetSetAside();
  Stored newest = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back(Store(newest.label, current, modified, std::move(place)));
  ForgetOldest();
  return Restore(std::move(newest));
}

void UndoRing::Clear() {
  undo_.clear();
  redo_.clear();
  ForgetSetAside();
  pool_.Clear();
}

void UndoRing::SetDepth(size_t depth) {
  ForgetSetAside();
  depth_ = std::clamp<size_t>(depth, 1, kMaxDepth);
  ForgetOldest();
}

const std::string& UndoRing::NewestLabel() const {
  static const std::string kNone;
  return undo_.empty() ? kNone : undo_.back().label;
}

const std::string& UndoRing::NewestRedoLabel() const {
  static const std::string kNone;
  return redo_.empty() ? kNone : redo_.back().label;
}

void UndoRing::MarkAllModified() {
  for (Stored& step : undo_) step.modified = true;
  for (Stored& step : redo_) step.modified = true;
  if (setAside_) {
    for (Stored& step : setAside_->redo) step.modified = true;
    if (setAside_->pushedOut) setAside_->pushedOut->modified = true;
  }
}

}  // namespace lumoscope
