#pragma once
// The undo steps of the list view: before an edit, a copy of the working list with a
// short label ("Delete Channel") and the modified state the list had, so that undoing
// the step also gives back whether the list differs from what is stored. The ring holds
// a fixed number of steps; when it is full, the oldest step goes to make room.
//
// A step is taken off the ring whole (Pop), so a redo list can keep it, and it keeps its
// list as a plain copy behind Push and Pop, so the copy can later share the records an
// edit left unchanged without the view noticing.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace lumoscope {

class UndoRing {
 public:
  // The number of steps the list view keeps.
  static constexpr size_t kDefaultDepth = 5;

  struct Step {
    std::string label;
    std::vector<std::string> fields;  // the working list before the edit
    bool modified = false;            // whether that list differed from what was stored
  };

  explicit UndoRing(size_t depth = kDefaultDepth) : depth_(depth == 0 ? 1 : depth) {}

  // Remembers the list before an edit; the oldest step is dropped when the ring is full.
  void Push(std::string label, std::vector<std::string> fields, bool modified);
  // Takes the newest step off the ring; nothing when there is none.
  std::optional<Step> Pop();
  void Clear() { steps_.clear(); }

  size_t Count() const { return steps_.size(); }
  bool Empty() const { return steps_.empty(); }
  size_t Depth() const { return depth_; }
  // The label of the newest step; empty when there is none.
  const std::string& NewestLabel() const;

  // After a save (or a reload) no remembered list is the stored one any more.
  void MarkAllModified();

 private:
  std::deque<Step> steps_;  // oldest first
  size_t depth_;
};

}  // namespace lumoscope
