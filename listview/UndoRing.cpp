#include "listview/UndoRing.h"

#include <algorithm>
#include <utility>

#include "base/SectionLocator.h"
#include "listview/FieldsPatch.h"

namespace lumoscope {

const std::vector<StringPool::Id>& UndoRing::CurrentIds(const std::vector<std::string>& fields,
                                                        const Stored* like) {
  if (current_ && current_->size() == fields.size()) return *current_;
  // The newest step is most often the list one edit ago.
  if (like == nullptr) like = !undo_.empty() ? &undo_.back() : !redo_.empty() ? &redo_.back() : nullptr;
  current_ = pool_.InternAll(fields, like != nullptr ? &like->ids : nullptr);
  return *current_;
}

std::optional<UndoRing::Restored> UndoRing::Restore(Stored&& step, std::vector<std::string>& fields) {
  Restored restored{step.modified, PatchFields(fields, *current_, step.ids, pool_), std::move(step.place)};
  current_ = std::move(step.ids);
  return restored;
}

void UndoRing::ForgetOldest() {
  while (undo_.size() > depth_) undo_.pop_front();
  // Redo steps come from undone steps, so they never outnumber the depth either.
  if (redo_.size() > depth_) redo_.erase(redo_.begin(), redo_.end() - static_cast<std::ptrdiff_t>(depth_));
}

void UndoRing::EmptyPoolWhenUnused() {
  if (undo_.empty() && redo_.empty() && !setAside_) {
    pool_.Clear();
    current_.reset();
  }
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
  const std::vector<StringPool::Id>& ids = CurrentIds(fields);
  undo_.push_back({std::move(label), ids, modified, std::move(place)});
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

std::optional<bool> UndoRing::TakeBack(std::vector<std::string>& fields) {
  std::optional<Stored> newest = PopNewest();
  if (!newest) return std::nullopt;
  // The list was changed without a word since the step: it is given back whole.
  fields = pool_.TextsOf(newest->ids);
  current_ = std::move(newest->ids);
  EmptyPoolWhenUnused();
  return newest->modified;
}

std::optional<UndoRing::Restored> UndoRing::Undo(std::vector<std::string>& fields, bool modified,
                                                 Place place) {
  if (undo_.empty()) return std::nullopt;
  ForgetSetAside();
  Stored newest = std::move(undo_.back());
  undo_.pop_back();
  // The list being undone is one edit away from the step that gives it back.
  redo_.push_back({newest.label, CurrentIds(fields, &newest), modified, std::move(place)});
  return Restore(std::move(newest), fields);
}

std::optional<UndoRing::Restored> UndoRing::Redo(std::vector<std::string>& fields, bool modified,
                                                 Place place) {
  if (redo_.empty()) return std::nullopt;
  ForgetSetAside();
  Stored newest = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back({newest.label, CurrentIds(fields, &newest), modified, std::move(place)});
  ForgetOldest();
  return Restore(std::move(newest), fields);
}

void UndoRing::Clear() {
  undo_.clear();
  redo_.clear();
  ForgetSetAside();
  pool_.Clear();
  current_.reset();
}

void UndoRing::Track(const FieldsChange& change, const std::vector<std::string>& fields,
                     const SectionLocator& sections) {
  if (!current_) return;
  if (change.whole) {
    current_.reset();
    return;
  }
  std::vector<StringPool::Id>& ids = *current_;
  // Last first, so the positions of the earlier splices stay those of the list before.
  long shift = 0;
  for (const FieldsSplice& s : change.splices)
    shift += static_cast<long>(s.inserted) - static_cast<long>(s.removed);
  for (auto s = change.splices.rbegin(); s != change.splices.rend(); ++s) {
    shift -= static_cast<long>(s->inserted) - static_cast<long>(s->removed);
    // Where the splice's new strings stand in `fields`.
    const size_t now = static_cast<size_t>(static_cast<long>(s->at) + shift);
    if (s->at + s->removed > ids.size() || now + s->inserted > fields.size()) {
      current_.reset();
      return;
    }
    std::vector<StringPool::Id> added;
    added.reserve(s->inserted);
    for (size_t k = 0; k < s->inserted; ++k) added.push_back(pool_.Intern(fields[now + k]));
    const auto at = ids.begin() + static_cast<std::ptrdiff_t>(s->at);
    ids.erase(at, at + static_cast<std::ptrdiff_t>(s->removed));
    ids.insert(ids.begin() + static_cast<std::ptrdiff_t>(s->at), added.begin(), added.end());
  }
  if (!change.orders.empty()) {
    for (const auto& [section, order] : change.orders) {
      const SectionSpan& span = sections[section];
      if (!span.Found() || order.size() != span.Records()) {
        current_.reset();
        return;
      }
      std::vector<StringPool::Id> sorted;
      sorted.reserve(span.Strings());
      for (const int r : order) {
        const auto first = ids.begin() + static_cast<std::ptrdiff_t>(span.At(static_cast<size_t>(r)));
        sorted.insert(sorted.end(), first, first + static_cast<std::ptrdiff_t>(span.width));
      }
      std::copy(sorted.begin(), sorted.end(), ids.begin() + static_cast<std::ptrdiff_t>(span.First()));
    }
  }
  if (ids.size() != fields.size()) current_.reset();
}

void UndoRing::TrackNumber(size_t at, size_t number) {
  if (current_ && at < current_->size()) (*current_)[at] = pool_.InternNumber(number);
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
